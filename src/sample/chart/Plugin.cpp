#include "sample/chart/Plugin.h"

#include "sample/chart/CostChartView.h"

namespace kestrava {

QWidget* CostChartViews::CreateView(const QStringList& labels, QWidget* parent) {
    return new CostChartView(labels, parent);
}

void CostChartViews::ShowCurve(QWidget* view, const CostCurve& curve) {
    static_cast<CostChartView*>(view)->ShowCurve(curve);
}

}  // namespace kestrava
