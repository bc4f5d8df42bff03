// The recent-decks list: newest first, each file once, nine at most, and the same list back
// from the settings file whatever the paths hold.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include <tuple>

#include "files/RecentDecks.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

QStringList Numbered(int from, int to) {
    QStringList decks;
    for (int n = from; n <= to; ++n) {
        decks << u"/d/%1.dek"_s.arg(n);
    }
    return decks;
}

TEST(RecentDecks, AddedInFrontOnceNineAtMostOrRemoved) {
    const QString a = u"/d/a.dek"_s, b = u"/d/b.dek"_s, c = u"/d/c.dek"_s;
    const std::tuple<const char*, QStringList, bool, QString, QStringList> cases[] = {
        {"first", {}, true, a, {a}},
        {"newest first", {a}, true, b, {b, a}},
        {"again: moved to the front", {a, b, c}, true, c, {c, a, b}},
        {"already in front", {a, b}, true, a, {a, b}},
        {"another folder, same name", {a}, true, u"/e/a.dek"_s, {u"/e/a.dek"_s, a}},
        {"tenth: the oldest goes", Numbered(1, 9), true, u"/d/0.dek"_s, Numbered(0, 8)},
        {"ninth again: none goes", Numbered(1, 9), true, u"/d/9.dek"_s,
         QStringList{u"/d/9.dek"_s} + Numbered(1, 8)},
        {"removed", {a, b, c}, false, b, {a, c}},
        {"removed, not there", {a}, false, b, {a}},
    };
    for (const auto& [name, before, add, path, after] : cases) {
        EXPECT_EQ(add ? WithRecentDeck(before, path) : WithoutRecentDeck(before, path), after)
            << name;
    }
}

// The settings file has its own syntax (lists, commas, quotes, "@"); a hand-edited list is
// tidied as the program keeps it.
TEST(RecentDecks, ReadBackFromTheSettingsFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    const QStringList syntax = {u"/d/a, b.dek"_s,       u"/d/\"q\".dek"_s,
                                u"@Invalid()"_s,        u"/d/;=#[x].dek"_s,
                                u"/森の城　速攻.dek"_s, u"/d/back\\slash.dek"_s};
    const std::tuple<const char*, QVariant, QStringList> cases[] = {
        {"none", QVariant(), {}},
        {"one", QStringList{u"/d/a.dek"_s}, {u"/d/a.dek"_s}},
        {"syntax in the paths", syntax, syntax},
        {"duplicates keep the newest place",
         QStringList{u"/d/a.dek"_s, u"/d/b.dek"_s, u"/d/a.dek"_s},
         {u"/d/a.dek"_s, u"/d/b.dek"_s}},
        {"empty entries", QStringList{{}, u"/d/a.dek"_s, {}}, {u"/d/a.dek"_s}},
        {"too many: the newest nine", Numbered(1, 12), Numbered(1, 9)},
    };
    for (const auto& [name, stored, decks] : cases) {
        QSettings(file, QSettings::IniFormat).setValue("RecentDecks", stored);
        EXPECT_EQ(ReadRecentDecks(QSettings(file, QSettings::IniFormat)), decks) << name;
    }
}

}  // namespace
}  // namespace kestrava
