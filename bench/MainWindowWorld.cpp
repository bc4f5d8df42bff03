#include "bench/MainWindowWorld.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>

#include <memory>

#include "app/Startup.h"
#include "bench/BenchInputs.h"

namespace kestrava::bench {
namespace {

std::unique_ptr<MainWindowWorld>& Instance() {
    static std::unique_ptr<MainWindowWorld> world;
    return world;
}

void Require(bool condition, const char* what) {
    if (!condition) {
        qFatal("main window: %s", what);
    }
}

}  // namespace

MainWindowWorld::MainWindowWorld() {
    Main(Catalogue, Window, Inputs().CardListPath);
    Require(WaitUntilExposed(Window), "not shown");
    List1 = Window.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* all = Window.findChild<QCheckBox*>(QStringLiteral("Check24"));
    Require(List1 != nullptr && all != nullptr, "List1 or Check24 missing");
    all->setChecked(true);
    FinishFrame();
    Require(List1->count() == kFullCardCount, "\"ALL\" does not list every card");
    for (int row = 0; row < List1->count(); ++row) {
        SortedLines << List1->item(row)->text();
    }

    PlainList.setFont(List1->font());
    PlainList.resize(List1->size());
    PlainList.show();
    Require(WaitUntilExposed(PlainList), "the plain list is not shown");
}

MainWindowWorld& World() {
    if (!Instance()) {
        Instance() = std::make_unique<MainWindowWorld>();
    }
    return *Instance();
}

void ReleaseWorld() {
    Instance().reset();
    FinishFrame();
}

void FinishFrame() {
    // Paints are posted by the layouts that run in the first pass.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

bool WaitUntilExposed(QWidget& window) {
    const QDeadlineTimer deadline(5000);
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace kestrava::bench
