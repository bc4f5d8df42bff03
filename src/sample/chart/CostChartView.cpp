#include "sample/chart/CostChartView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QValueAxis>

#include <algorithm>

namespace kestrava {

CostChartView::CostChartView(const QStringList& labels, QWidget* parent) : QChartView(parent) {
    // The view's own chart: one set later would leave this one behind.
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins({});
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    bars_ = new QBarSet(QStringLiteral("枚数"));
    bars_->setLabelColor(palette().color(QPalette::WindowText));
    bars_->setLabelFont(font());
    auto* series = new QBarSeries();
    series->append(bars_);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);

    auto* buckets = new QBarCategoryAxis();
    buckets->append(labels);
    buckets->setLabelsFont(font());
    buckets->setGridLineVisible(false);
    chart->addAxis(buckets, Qt::AlignBottom);
    series->attachAxis(buckets);

    // The bars carry their counts, so the count axis only scales them and stays hidden.
    counts_ = new QValueAxis();
    counts_->setVisible(false);
    chart->addAxis(counts_, Qt::AlignLeft);
    series->attachAxis(counts_);

    setRenderHint(QPainter::Antialiasing);
    ShowCurve({});
}

void CostChartView::ShowCurve(const CostCurve& curve) {
    bars_->remove(0, bars_->count());
    for (int count : curve) {
        bars_->append(count);
    }
    // Room above the tallest bar for its label.
    const int tallest = *std::max_element(curve.begin(), curve.end());
    counts_->setRange(0, std::max(1.0, tallest * 1.2));
}

}  // namespace kestrava
