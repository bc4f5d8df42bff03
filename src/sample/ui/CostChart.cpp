#include "sample/ui/CostChart.h"

#include <QPainter>
#include <QPluginLoader>
#include <QVBoxLayout>

#include <algorithm>

#include "sample/ui/CostChartPlugin.h"

namespace kestrava {
namespace {

// Loaded once, from plugins/ in a library path: the program's folder is one.
CostChartPlugin* Plugin() {
    static CostChartPlugin* const plugin = [] {
        QPluginLoader loader(QStringLiteral("plugins/brelvik_costchart"));
        auto* loaded = qobject_cast<CostChartPlugin*>(loader.instance());
        if (loaded == nullptr) {
            qWarning("No cost chart: %s", qPrintable(loader.errorString()));
        }
        return loaded;
    }();
    return plugin;
}

}  // namespace

CostChart::CostChart(QWidget* parent) : QWidget(parent), plugin_(Plugin()) {
    if (plugin_ == nullptr) {
        return;
    }
    const auto& labels = CostBucketLabels();
    view_ = plugin_->CreateView(QStringList(labels.begin(), labels.end()), this);
    view_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void CostChart::ShowCurve(const CostCurve& curve) {
    if (plugin_ != nullptr) {
        plugin_->ShowCurve(view_, curve);
        return;
    }
    curve_ = curve;
    update();
}

void CostChart::paintEvent(QPaintEvent* event) {
    if (plugin_ != nullptr) {
        QWidget::paintEvent(event);
        return;
    }
    // The plugin's chart as plain bars: each bucket's count above its bar, its label below.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const QRect area = rect().adjusted(4, line + 2, -4, -(line + 4));
    const int tallest = std::max(1, *std::max_element(curve_.begin(), curve_.end()));
    const auto& labels = CostBucketLabels();
    const int buckets = int(curve_.size());
    const QColor bar = palette().color(QPalette::Highlight);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int bucket = 0; bucket < buckets; ++bucket) {
        const int left = area.left() + area.width() * bucket / buckets;
        const int width = area.width() / buckets;
        const int height = area.height() * curve_[bucket] / tallest;
        const QRect column(left + width / 5, area.bottom() - height, width * 3 / 5, height);
        painter.fillRect(column, bar);
        painter.drawText(QRect(left, column.top() - line - 2, width, line), Qt::AlignCenter,
                         QString::number(curve_[bucket]));
        painter.drawText(QRect(left, area.bottom() + 4, width, line), Qt::AlignCenter,
                         labels[bucket]);
    }
}

}  // namespace kestrava
