// The main deck's cost curve as a bar chart: one bar per cost bucket, each labelled with its
// count.
#pragma once

#include <QChartView>
#include <QStringList>

#include "sample/DeckAnalysis.h"

class QBarSet;
class QValueAxis;

namespace kestrava {

class CostChartView : public QChartView {
    Q_OBJECT

  public:
    CostChartView(const QStringList& labels, QWidget* parent);

    void ShowCurve(const CostCurve& curve);

  private:
    QBarSet* bars_ = nullptr;
    QValueAxis* counts_ = nullptr;
};

}  // namespace kestrava
