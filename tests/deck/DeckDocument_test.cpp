// The deck document: which action sequences leave the deck unsaved, one undo step per action,
// and undo/redo passing back and forth through exactly the states the actions made.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "deck/DeckDocument.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

CardCatalogue Cards(bool castleIsHero = false) {
    CardCatalogue catalogue;
    const std::tuple<QString, QString> cards[] = {{u"G001 アルファ"_s, u"城"_s},
                                                  {u"C010 ベータ"_s, u"兵力"_s},
                                                  {u"M040 ガンマ"_s, u"配下"_s}};
    for (const auto& [line, type] : cards) {
        CardRecord card;
        card.Code = line.left(4);
        card.Name = line.mid(5);
        card.CardType = castleIsHero && type == u"城"_s ? u"英雄"_s : type;
        card.Rarity = u"Rare"_s;
        catalogue.AddCard(card);
    }
    return catalogue;
}

bool SameTallies(const DeckTallies& a, const DeckTallies& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Each step is an action and the unsaved flag expected after it.
enum class Act { Add, AddFour, RemoveOne, RemoveLine, Name, Undo, Redo, Save, Load, Recount };
TEST(DeckDocument, UnsavedFollowsWhatDiffersFromTheSavedDeck) {
    const std::vector<std::tuple<const char*, std::vector<std::pair<Act, bool>>>> cases = {
        {"fresh start, add, undo back", {{Act::Add, true}, {Act::Undo, false}, {Act::Redo, true}}},
        {"add then remove the same copy", {{Act::Add, true}, {Act::RemoveOne, false}}},
        {"save, then edit, then undo to it",
         {{Act::Add, true}, {Act::Save, false}, {Act::AddFour, true}, {Act::Undo, false}}},
        {"undo past the save", {{Act::Add, true}, {Act::Save, false}, {Act::Undo, true}}},
        {"name typed and typed back", {{Act::Name, true}, {Act::Undo, false}}},
        {"a load is saved, its undo not",
         {{Act::Add, true}, {Act::Load, false}, {Act::Undo, true}, {Act::Redo, false}}},
        {"another card list changes nothing",
         {{Act::Recount, false}, {Act::Add, true}, {Act::Save, false}, {Act::Recount, false}}},
        {"a removal of nothing", {{Act::RemoveLine, false}}},
    };
    for (const auto& [name, steps] : cases) {
        SCOPED_TRACE(name);
        const CardCatalogue catalogue = Cards();
        DeckDocument document(catalogue);
        Deck loaded;
        loaded.DeckName = u"読込"_s;
        for (const auto& [act, unsaved] : steps) {
            switch (act) {
                case Act::Add:
                    document.AddCopies(u"G001 アルファ"_s, 1);
                    break;
                case Act::AddFour:
                    document.AddCopies(u"C010 ベータ"_s, 4);
                    break;
                case Act::RemoveOne:
                    document.RemoveOneCopy(0);
                    break;
                case Act::RemoveLine:
                    document.RemoveLine(3);
                    break;
                case Act::Name:
                    document.Rename(u"X"_s);
                    break;
                case Act::Undo:
                    document.History().undo();
                    break;
                case Act::Redo:
                    document.History().redo();
                    break;
                case Act::Save:
                    document.MarkSaved(u"/d/a.dek"_s);
                    break;
                case Act::Load:
                    document.LoadFrom(loaded, u"/d/b.dek"_s);
                    break;
                case Act::Recount:
                    document.RecountTallies();
                    break;
            }
            EXPECT_EQ(document.IsUnsaved(), unsaved) << int(act);
            EXPECT_EQ(document.History().isClean(), !unsaved) << int(act);
        }
    }
}

TEST(DeckDocument, TypingIsOneStepUntilAnotherAction) {
    const CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    for (const QString& text : {u"a"_s, u"ab"_s, u"abc"_s}) {
        document.Rename(text);
    }
    document.AddCopies(u"G001 アルファ"_s, 1);
    document.Rename(u"abcd"_s);
    EXPECT_EQ(document.History().count(), 3);
    document.History().setIndex(1);
    EXPECT_EQ(document.CurrentDeck().DeckName, u"abc"_s);
    EXPECT_TRUE(document.CurrentDeck().Lines.empty());
}

TEST(DeckDocument, AddAtTheCopyLimitIsNoStep) {
    const CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    document.AddCopies(u"G001 アルファ"_s, 4);
    EXPECT_TRUE(document.AddCopies(u"G001 アルファ"_s, 1).Changed == false);
    EXPECT_EQ(document.History().count(), 1);
    EXPECT_EQ(document.History().undoText(), u"4枚追加 G001 アルファ"_s);
}

TEST(DeckDocument, ImportedDeckHasNoFileUntilUndone) {
    const CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    document.LoadFrom(Deck{}, u"/d/mine.dek"_s);
    document.Replace(u"読み込み"_s, Deck{u"x"_s, {}, 0});
    EXPECT_TRUE(document.FilePath().isEmpty());
    document.History().undo();
    EXPECT_EQ(document.FilePath(), u"/d/mine.dek"_s);
}

TEST(DeckDocument, UndoAndRedoRecountAgainstTheCardListLoadedNow) {
    CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    document.AddCopies(u"G001 アルファ"_s, 2);
    document.AddCopies(u"C010 ベータ"_s, 1);
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

struct NameCase {
    const char* Name;
    std::function<void(DeckDocument&)> Act;
    int Steps;
    QString Shown;
    bool Unsaved;
};

// The name box's typing leaves a step only for a name that changed, never merges across a
// save, and the document holds no longer name than the box shows.
TEST(DeckDocument, NameStepsFollowWhatTheBoxShows) {
    const QString longest(kDeckNameMaxLength, u'n');
    const NameCase cases[] = {
        {"a character typed and deleted",
         [](DeckDocument& d) {
             d.Rename(u"a"_s);
             d.Rename(QString());
         },
         0, QString(), false},
        {"typing after a save, undone",
         [](DeckDocument& d) {
             d.Rename(u"ab"_s);
             d.MarkSaved(u"/d/a.dek"_s);
             d.Rename(u"abc"_s);
             d.History().undo();
         },
         2, u"ab"_s, false},
        {"typed past the box's length", [](DeckDocument& d) { d.Rename(QString(40000, u'n')); }, 1,
         longest, true},
        {"loaded past the box's length",
         [](DeckDocument& d) {
             d.LoadFrom(Deck{QString(40000, u'n'), {}, 0}, u"/d/l.dek"_s);
         },
         1, longest, false},
    };
    for (const NameCase& test : cases) {
        SCOPED_TRACE(test.Name);
        const CardCatalogue catalogue = Cards();
        DeckDocument document(catalogue);
        test.Act(document);
        EXPECT_EQ(document.History().count(), test.Steps);
        EXPECT_EQ(document.CurrentDeck().DeckName, test.Shown);
        EXPECT_EQ(document.IsUnsaved(), test.Unsaved);
    }
}

// 200 random actions recorded state by state; undoing to the start and redoing to the end
// must pass through exactly those states, deck and tallies alike.
TEST(DeckDocument, UndoAndRedoRetraceEveryRecordedState) {
    const CardCatalogue catalogue = Cards();
    DeckDocument document(catalogue);
    QRandomGenerator random(20261207);
    const QString lines[] = {u"G001 アルファ"_s, u"C010 ベータ"_s, u"M040 ガンマ"_s,
                             u"Z999 不明"_s};
    std::vector<std::pair<Deck, DeckTallies>> states{{document.CurrentDeck(), document.Tallies()}};
    for (int i = 0; i < 200; ++i) {
        const int size = int(document.CurrentDeck().Lines.size());
        const int before = document.History().index();
        switch (random.bounded(6)) {
            case 0:
                document.AddCopies(lines[random.bounded(4)], 1);
                break;
            case 1:
                document.AddCopies(lines[random.bounded(4)], 4);
                break;
            case 2:
                document.RemoveOneCopy(size == 0 ? 0 : int(random.bounded(size)));
                break;
            case 3:
                document.RemoveLine(size == 0 ? 0 : int(random.bounded(size)));
                break;
            case 4:
                document.Rename(QString::number(random.bounded(1000)));
                break;
            default: {
                Deck other;
                other.Lines = {{lines[random.bounded(4)], qint16(random.bounded(5))}};
                other.Total = other.Lines.front().Count;
                document.LoadFrom(other, u"/d/x.dek"_s);
            }
        }
        if (document.History().index() != before) {
            states.push_back({document.CurrentDeck(), document.Tallies()});
        } else {
            states.back() = {document.CurrentDeck(), document.Tallies()};  // a merged rename
        }
    }
    ASSERT_EQ(document.History().count() + 1, int(states.size()));
    for (int i = int(states.size()) - 1; i >= 0; --i) {
        ASSERT_TRUE(document.CurrentDeck() == states[i].first) << i;
        ASSERT_TRUE(SameTallies(document.Tallies(), states[i].second)) << i;
        document.History().undo();
    }
    for (std::size_t i = 0; i < states.size(); ++i) {
        ASSERT_TRUE(document.CurrentDeck() == states[i].first) << i;
        ASSERT_TRUE(SameTallies(document.Tallies(), states[i].second)) << i;
        document.History().redo();
    }
}

}  // namespace
}  // namespace kestrava
