// What the cost chart plugin gives the sample-hand window: the chart view, built by a library
// of its own that the window loads the first time it shows, so that starting the program does
// not load the chart library.
#pragma once

#include <QStringList>
#include <QtPlugin>

#include "sample/DeckAnalysis.h"

class QWidget;

namespace kestrava {

class CostChartPlugin {
  public:
    // A view of one bar per cost bucket, the buckets named by labels, as a child of parent.
    virtual QWidget* CreateView(const QStringList& labels, QWidget* parent) = 0;
    // Shows the counts on a view CreateView made, each bar labelled with its count.
    virtual void ShowCurve(QWidget* view, const CostCurve& curve) = 0;

  protected:
    ~CostChartPlugin() = default;
};

}  // namespace kestrava

#define KESTRAVA_COST_CHART_PLUGIN_IID "org.brelvik.CostChartPlugin/1"
Q_DECLARE_INTERFACE(kestrava::CostChartPlugin, KESTRAVA_COST_CHART_PLUGIN_IID)
