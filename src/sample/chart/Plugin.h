// The cost chart plugin: the one piece of the program that links the chart library.
#pragma once

#include <QObject>

#include "sample/ui/CostChartPlugin.h"

namespace kestrava {

class CostChartViews : public QObject, public CostChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KESTRAVA_COST_CHART_PLUGIN_IID)
    Q_INTERFACES(kestrava::CostChartPlugin)

  public:
    QWidget* CreateView(const QStringList& labels, QWidget* parent) override;
    void ShowCurve(QWidget* view, const CostCurve& curve) override;
};

}  // namespace kestrava
