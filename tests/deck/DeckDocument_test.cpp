// The deck document: which action sequences leave the deck unsaved, one undo step per action,
// and undo/redo passing back and forth through exactly the states the actions made.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "deck/DeckDocument.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kAlpha = u"G001 アルファ"_s;
const QString kBeta = u"C010 ベータ"_s;

// A castle (a hero in the other card list), a troop and a follower.
CardCatalogue Cards(bool castleIsHero = false) {
    return test::CatalogueOf(
        {castleIsHero ? u"G001|アルファ|英雄|Rare"_s : u"G001|アルファ|城|Rare"_s,
         u"C010|ベータ|兵力|Rare"_s, u"M040|ガンマ|配下|Common"_s});
}

Deck EmptyDeck(const QString& name) {
    return Deck{name, {}, 0};
}

using Act = std::function<void(DeckDocument&)>;
const std::map<char, Act> kActs = {
    {'a', [](DeckDocument& d) { d.AddCopies(kAlpha, 1); }},
    {'A', [](DeckDocument& d) { d.AddCopies(kAlpha, 4); }},
    {'r', [](DeckDocument& d) { d.RemoveOneCopy(0); }},
    {'R', [](DeckDocument& d) { d.RemoveLine(3); }},
    {'0', [](DeckDocument& d) { d.Rename({}); }},
    {'1', [](DeckDocument& d) { d.Rename(u"x"_s); }},
    {'2', [](DeckDocument& d) { d.Rename(u"xy"_s); }},
    {'3', [](DeckDocument& d) { d.Rename(u"xyz"_s); }},
    {'N', [](DeckDocument& d) { d.Rename(QString(40000, u'n')); }},
    {'<', [](DeckDocument& d) { d.History().undo(); }},
    {'>', [](DeckDocument& d) { d.History().redo(); }},
    {'s', [](DeckDocument& d) { d.MarkSaved(u"/d/a.dek"_s); }},
    {'l', [](DeckDocument& d) { d.LoadFrom(EmptyDeck(u"読込"_s), u"/d/b.dek"_s); }},
    {'L', [](DeckDocument& d) { d.LoadFrom(EmptyDeck(QString(40000, u'n')), u"/d/b.dek"_s); }},
    {'i', [](DeckDocument& d) { d.Replace(u"読み込み"_s, EmptyDeck(u"i"_s)); }},
    {'c', [](DeckDocument& d) { d.RecountTallies(); }},
};

struct Sequence {
    const char* Name;
    // Actions by their letters above, each followed by the unsaved flag after it (+ or -).
    const char* Acts;
    int Steps;  // at the end: the history's steps, the deck's name and its file
    QString DeckName;
    QString File;
};

// The name box's typing is one step until another action or a save, and none when it ends
// where it began; the document holds no longer name than the box shows.
TEST(DeckDocument, UnsavedAndUndoStepsFollowTheActions) {
    const QString longest(kDeckNameMaxLength, u'n');
    const QString a = u"/d/a.dek"_s;
    const QString b = u"/d/b.dek"_s;
    const Sequence cases[] = {
        {"add, undo, redo", "a+<->+", 1, {}, {}},
        {"add then remove the same copy", "a+r-", 2, {}, {}},
        {"save, edit, undo to it", "a+s-A+<-", 2, {}, a},
        {"undo past the save", "a+s-<+", 1, {}, a},
        {"a load is saved, its undo not", "a+l-<+>-", 2, u"読込"_s, b},
        {"another card list changes nothing", "c-a+s-c-", 1, {}, a},
        {"a removal of nothing", "R-", 0, {}, {}},
        {"an add at the copy limit", "A+a+", 1, {}, {}},
        {"an import has no file", "l-i+", 2, u"i"_s, {}},
        {"an import undone has its file again", "l-i+<-", 2, u"読込"_s, b},
        {"a name typed and typed back", "1+<-", 1, {}, {}},
        {"a character typed and deleted", "1+0-", 0, {}, {}},
        {"typing, another action, typing", "1+2+3+a+1+<+<+", 3, u"xyz"_s, {}},
        {"typing after a save, undone", "1+2+s-3+<-", 2, u"xy"_s, a},
        {"typed past the box's length", "N+", 1, longest, {}},
        {"loaded past the box's length", "L-", 1, longest, b},
    };
    for (const Sequence& test : cases) {
        SCOPED_TRACE(test.Name);
        const CardCatalogue catalogue = Cards();
        DeckDocument document(catalogue);
        for (const char* act = test.Acts; *act != 0; act += 2) {
            kActs.at(act[0])(document);
            EXPECT_EQ(document.IsUnsaved(), act[1] == '+') << act[0];
            EXPECT_EQ(document.History().isClean(), act[1] == '-') << act[0];
        }
        EXPECT_EQ(document.History().count(), test.Steps);
        EXPECT_EQ(document.CurrentDeck().DeckName, test.DeckName);
        EXPECT_EQ(document.FilePath(), test.File);
    }
}

TEST(DeckDocument, UndoAndRedoRecountAgainstTheCardListLoadedNow) {
    CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    document.AddCopies(kAlpha, 2);
    document.AddCopies(kBeta, 1);
    document.History().undo();
    catalogue = Cards(/*castleIsHero=*/true);
    document.RecountTallies();
    document.History().redo();
    EXPECT_EQ(document.Tallies().HeroCount, 2);
    EXPECT_EQ(document.Tallies().CastleCount, 0);
    EXPECT_EQ(document.Tallies().TroopCount, 1);
    document.History().undo();
    EXPECT_EQ(document.Tallies().HeroCount, 2);
    EXPECT_EQ(document.Tallies().TroopCount, 0);
}

// 200 random actions recorded state by state; undoing to the start and redoing to the end
// must pass through exactly those states, deck and tallies alike.
TEST(DeckDocument, UndoAndRedoRetraceEveryRecordedState) {
    const CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    QRandomGenerator random(20261207);
    const QString lines[] = {kAlpha, kBeta, u"M040 ガンマ"_s, u"Z999 不明"_s};
    const auto line = [&] { return lines[random.bounded(4)]; };
    const auto index = [&] {
        const int size = int(document.CurrentDeck().Lines.size());
        return size == 0 ? 0 : int(random.bounded(size));
    };
    const Act acts[] = {
        [&](DeckDocument& d) { d.AddCopies(line(), 1); },
        [&](DeckDocument& d) { d.AddCopies(line(), 4); },
        [&](DeckDocument& d) { d.RemoveOneCopy(index()); },
        [&](DeckDocument& d) { d.RemoveLine(index()); },
        [&](DeckDocument& d) { d.Rename(QString::number(random.bounded(1000))); },
        [&](DeckDocument& d) {
            const qint16 count = qint16(random.bounded(5));
            d.LoadFrom(Deck{{}, {{line(), count}}, count}, u"/d/x.dek"_s);
        },
    };
    std::vector<std::pair<Deck, DeckTallies>> states{{document.CurrentDeck(), document.Tallies()}};
    for (int i = 0; i < 200; ++i) {
        const int before = document.History().index();
        acts[random.bounded(6)](document);
        if (document.History().index() == before) {
            states.pop_back();  // a merged rename, or no step
        }
        states.push_back({document.CurrentDeck(), document.Tallies()});
    }
    ASSERT_EQ(document.History().count() + 1, int(states.size()));
    const auto at = [&](int i) {
        return document.CurrentDeck() == states[i].first &&
               std::memcmp(&document.Tallies(), &states[i].second, sizeof(DeckTallies)) == 0;
    };
    for (int i = int(states.size()) - 1; i >= 0; --i) {
        ASSERT_TRUE(at(i)) << "undone to " << i;
        document.History().undo();
    }
    for (int i = 0; i < int(states.size()); ++i) {
        ASSERT_TRUE(at(i)) << "redone to " << i;
        document.History().redo();
    }
}

}  // namespace
}  // namespace kestrava
