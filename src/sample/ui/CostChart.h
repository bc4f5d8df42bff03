// The main deck's cost curve as a bar chart: one bar per cost bucket, each labelled with its
// count. The chart itself comes from the cost chart plugin, loaded with the first chart; where
// there is none (a build without the chart library), the widget draws the bars itself.
#pragma once

#include <QWidget>

#include "sample/DeckAnalysis.h"

namespace kestrava {

class CostChartPlugin;

class CostChart : public QWidget {
    Q_OBJECT

  public:
    explicit CostChart(QWidget* parent = nullptr);

    void ShowCurve(const CostCurve& curve);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CostCurve curve_{};
    CostChartPlugin* plugin_ = nullptr;  // none when the plugin cannot be loaded
    QWidget* view_ = nullptr;
};

}  // namespace kestrava
