// Decks at the edges of what the window can hold come back from their file: the largest total,
// counts up to 9 as a loaded file may carry them, and deck names holding line breaks, which a
// paste can put into the deck name box.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/DeckFile.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

Deck Repeated(const QString& name, const std::vector<std::pair<int, int>>& runs) {
    Deck deck{name, {}, 0};
    for (const auto& [count, lines] : runs) {
        for (int i = 0; i < lines; ++i) {
            deck.Lines.push_back(
                {QStringLiteral("G-1 森の札") + QString::number(int(deck.Lines.size())),
                 static_cast<qint16>(count)});
            deck.Total = static_cast<qint16>(deck.Total + count);
        }
    }
    return deck;
}

// Saves deck and reads it into a different deck, which the file must replace.
Deck SaveAndLoad(const Deck& deck) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("往復.dek"));
    DeckTallies tallies;
    EXPECT_TRUE(SaveDeckFile(path, deck, tallies, DefaultFactionNames()));
    Deck loaded{QStringLiteral("前"), {{QStringLiteral("C-1 前の札"), 1}}, 1};
    EXPECT_TRUE(LoadDeckFile(path, CardCatalogue(), loaded, tallies));
    return loaded;
}

void ExpectSameLines(const Deck& actual, const Deck& expected) {
    ASSERT_EQ(actual.Lines.size(), expected.Lines.size());
    for (size_t i = 0; i < expected.Lines.size(); ++i) {
        EXPECT_EQ(actual.Lines[i].Text, expected.Lines[i].Text) << i;
        EXPECT_EQ(actual.Lines[i].Count, expected.Lines[i].Count) << i;
    }
    EXPECT_EQ(actual.Total, expected.Total);
}

TEST(SavedDeckReadsBack, DecksAtTheLimits) {
    const struct {
        const char* Name;
        Deck Value;
    } cases[] = {
        {"largest total of four-copy lines", Repeated("四枚", {{4, 8191}})},
        {"total of exactly 32767", Repeated("上限", {{9, 3640}, {7, 1}})},
        {"every single-digit count",
         Repeated(
             "数",
             {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const Deck loaded = SaveAndLoad(c.Value);
        EXPECT_EQ(loaded.DeckName, c.Value.DeckName);
        ExpectSameLines(loaded, c.Value);
    }
}

// A line break in the deck name must not split the name line: the reader would stop at its
// second half and lose every deck line.
TEST(SavedDeckReadsBack, NameWithALineBreakKeepsTheDeck) {
    for (const char* name : {"上\n下", "上\r\n下", "上\r下", "\n", "上\n-\n下"}) {
        SCOPED_TRACE(QString::fromUtf8(name).toHtmlEscaped().toStdString());
        const Deck deck = Repeated(QString::fromUtf8(name), {{4, 2}, {1, 1}});
        const Deck loaded = SaveAndLoad(deck);
        ExpectSameLines(loaded, deck);
        EXPECT_FALSE(loaded.DeckName.contains(QRegularExpression(QStringLiteral("[\r\n]"))));
    }
}

}  // namespace
}  // namespace kestrava
