// The main deck's cost curve as a bar chart: one bar per cost bucket, each labelled with its
// count.
#pragma once

#include <QChartView>

#include "sample/DeckAnalysis.h"

class QBarSet;
class QValueAxis;

namespace kestrava {

class CostChartView : public QChartView {
    Q_OBJECT

  public:
    explicit CostChartView(QWidget* parent = nullptr);

    void ShowCurve(const CostCurve& curve);

  private:
    QBarSet* bars_ = nullptr;
    QValueAxis* counts_ = nullptr;
};

}  // namespace kestrava
