#include "app/Fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <utility>

namespace kestrava {
namespace {

// Swaps a missing family for its installed substitute in every font a widget sets for itself.
// The font change reaches the widget before anything lays out text in the new font.
class InstalledFamilies : public QObject {
  public:
    InstalledFamilies(QHash<QString, QString> substitutes, QObject* parent)
        : QObject(parent), substitutes_(std::move(substitutes)) {}

    bool IsEmpty() const { return substitutes_.isEmpty(); }

    QString Of(const QString& family) const { return substitutes_.value(family, family); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const QFont font = widget->font();
            // A family the widget inherits follows its parent, which is seen to on its own.
            if (widget->testAttribute(Qt::WA_SetFont) &&
                (font.resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved)) != 0) {
                const auto substitute = substitutes_.constFind(font.families().value(0));
                if (substitute != substitutes_.cend()) {
                    QFont installed = font;
                    installed.setFamilies({*substitute});
                    widget->setFont(installed);
                }
            }
        }
        return false;
    }

  private:
    QHash<QString, QString> substitutes_;
};

// The families the platform has, in lower case; a family several foundries make is listed
// once per foundry, as "Family [Foundry]".
QSet<QString> PlatformFamilies() {
    QSet<QString> families;
    for (const QString& entry : QFontDatabase::families()) {
        const qsizetype foundry = entry.indexOf(QStringLiteral(" ["));
        families.insert((foundry < 0 ? entry : entry.left(foundry)).toLower());
    }
    return families;
}

InstalledFamilies* Install() {
    const QList<std::pair<QString, QStringList>> substitutions = {
        {kFixedFont,
         {QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
          QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic")}},
        {kProportionalFont,
         {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")}}};
    const QSet<QString> platform = PlatformFamilies();
    QHash<QString, QString> installed;
    for (const auto& [family, substitutes] : substitutions) {
        QFont::insertSubstitutions(family, substitutes);
        if (platform.contains(family.toLower())) {
            continue;
        }
        for (const QString& substitute : substitutes) {
            if (platform.contains(substitute.toLower())) {
                installed.insert(family, substitute);
                break;
            }
        }
    }
    auto* filter = new InstalledFamilies(std::move(installed), qApp);
    if (!filter->IsEmpty()) {
        qApp->installEventFilter(filter);
    }
    return filter;
}

}  // namespace

void InstallFonts() {
    static QPointer<InstalledFamilies> installed;
    if (installed.isNull()) {
        installed = Install();
    }
    QApplication::setFont(QFont(installed->Of(kFixedFont), 9));
}

}  // namespace kestrava
