#include "sample/ui/CostChart.h"

#include <QPluginLoader>
#include <QVBoxLayout>

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
    }
}

}  // namespace kestrava
