// Clipboard texts: the deck listing in the deck file's columns (no padding once a line
// reaches the "×" column), and the three card information lines.
#include <gtest/gtest.h>

#include "files/ClipboardText.h"
#include "files/FilesTestData.h"

namespace kestrava {
namespace {

QString S(const char* text) {
    return QString::fromUtf8(text);
}

const QString kTail = QString(80, u'-') + S("\r\n") + QString(68, u' ') + S("Total ");

TEST(DeckClipboardText, EmptyDeckIsTwoLines) {
    EXPECT_EQ(DeckClipboardText(Deck{}).toStdString(), (kTail + S("0\r\n")).toStdString());
}

struct PaddingCase {
    QString Text;
    int Blanks;
};

TEST(DeckClipboardText, PadsEachLineToTheCountColumn) {
    const std::vector<PaddingCase> cases = {
        {S("C001 錆鉄の番兵"), 56},                       // 15 bytes
        {S("C105 ｶｽﾐﾉﾓﾘ"), 60},                           // half-width katakana: 11 bytes
        {S("C106 カスミノモリ"), 54},                     // the same in full width: 17
        {S("C107 Café"), 62},                             // "é" has no form: one byte
        {S("C108 ") + S("霧").repeated(32), 2},           // 69
        {S("C109 ") + S("霧").repeated(32) + S("a"), 1},  // 70
        {S("C110 ") + S("雲").repeated(33), 0},           // 71
        {S("C111 ") + S("雲").repeated(33) + S("b"), 0},  // 72
        {S("C112 ") + S("雲").repeated(35), 0},           // 75
    };
    Deck deck;
    QString expected;
    qint16 count = 0;
    for (const PaddingCase& c : cases) {
        count = static_cast<qint16>(count % 4 + 1);
        deck.Lines.push_back({c.Text, count});
        expected += c.Text + QString(c.Blanks, u' ') + S("× ") + QString::number(count) + S("\r\n");
    }
    deck.Total = 23;
    EXPECT_EQ(DeckClipboardText(deck).toStdString(),
              (expected + kTail + S("23\r\n")).toStdString());
}

TEST(CardClipboardText, ThreeLinesEvenWhenEmpty) {
    EXPECT_EQ(CardClipboardText(S("カード名："), QString(), QString()),
              S("カード名：\r\n\r\n\r\n"));
    EXPECT_EQ(CardClipboardText(S("カード名：霧の騎士"), S("突撃"), S("一行目\r\n二行目")),
              S("カード名：霧の騎士\r\n突撃\r\n一行目\r\n二行目\r\n"));
}

}  // namespace
}  // namespace kestrava
