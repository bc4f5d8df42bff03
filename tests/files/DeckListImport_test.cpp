// Deck lists pasted as text: every shape of line players write, and this program's own
// clipboard text and deck file read back into the deck they came from.
#include <gtest/gtest.h>

#include "deck/DeckEditing.h"
#include "files/ClipboardText.h"
#include "files/DeckCode.h"
#include "files/DeckFile.h"
#include "files/DeckLineLayout.h"
#include "files/DeckListImport.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {

void PrintTo(const Deck& deck, std::ostream* os) {
    *os << deck.DeckName.toStdString() << " Total " << deck.Total;
    for (const DeckLine& line : deck.Lines) {
        *os << " | " << line.Text.toStdString() << " x" << line.Count;
    }
}

namespace {

using namespace Qt::Literals::StringLiterals;

CardCatalogue Cards() {
    return test::CatalogueOf(
        {u"G-001|森の城|城"_s, u"G-002|緑の弓兵|兵力"_s, u"G-003|ﾘﾝﾄﾞﾙﾑ砦|城"_s,
         u"C-010|王冠ー第三軍団|兵力"_s, u"C-011|碧旗・参謀|指揮官"_s, u"D-020|影の将|英雄"_s,
         u"D-020|影の将・改|英雄"_s, u"E-030|ほのおの剣|戦法"_s, u"E-031|ホノオノ剣|戦法"_s,
         u"M-040|Aria Gate|計略"_s, u"E-032|月影～宵の歌～|戦法"_s, u"E-033|100年の剣|戦法"_s,
         // 72 bytes with its code
         u"C-100|"_s + QString(u"霧"_s).repeated(33) + u"|配下"_s});
}

const char16_t* const kStatusWords[] = {u"一致", u"候補", u"不明", u"無視"};

// Each line as "status count card|card (note)", then " = " and the total of the deck it makes.
QString Describe(const DeckListImport& import, const ImportedDeck& deck) {
    QStringList shown;
    for (std::size_t row = 0; row < import.Lines.size(); ++row) {
        const ImportLine& line = import.Lines[row];
        QString text = QString::fromUtf16(kStatusWords[int(line.Status)]);
        if (line.Status == ImportStatus::Ignored) {
            text += u' ' + line.Reason;
        } else {
            text +=
                u' ' + QString::number(line.Count) + u' ' +
                (line.Status == ImportStatus::Unknown ? line.UnknownText : line.Cards.join(u'|'));
        }
        if (!deck.Notes[row].isEmpty()) {
            text += u" ("_s + deck.Notes[row] + u')';
        }
        shown << text;
    }
    return shown.join(u", "_s) + u" = "_s + QString::number(deck.Value.Total);
}

TEST(DeckListImport, EveryShapeOfLine) {
    const CardCatalogue catalogue = Cards();
    const QString mist = u"C-100 "_s + QString(u"霧"_s).repeated(33);
    // What the texts after it each read as.
    const std::pair<QString, QStringList> cases[] = {
        {u"一致 1 G-001 森の城 = 1"_s,
         {u"G-001 森の城"_s, u"G-001"_s, u"  G-001   森の城   ×   1  "_s}},
        {u"一致 2 G-002 緑の弓兵 = 2"_s,
         {u"G-002 緑の弓兵 × 2"_s, u"G-002 緑の弓兵 x 2"_s, u"G-002 緑の弓兵 X2"_s,
          u"G-002 緑の弓兵*2"_s, u"G-002 緑の弓兵x2"_s, u"2 G-002 緑の弓兵"_s, u"２ 緑の弓兵"_s}},
        {u"一致 3 G-002 緑の弓兵 = 3"_s,
         {DeckEntryLine({u"G-002 緑の弓兵"_s, 3}, 0), u"3×G-002"_s, u"3xG-002"_s,
          u"Ｇ－００２　緑の弓兵　×　３"_s}},
        {u"一致 2 "_s + mist + u" = 2"_s, {DeckEntryLine({mist, 2}, 0)}},
        {u"一致 4 G-001 森の城 = 4"_s, {u"4枚 森の城"_s}},
        {u"一致 3 G-001 森の城 = 3"_s, {u"森の城 3枚"_s}},
        {u"一致 2 G-001 森の城 = 2"_s, {u"\tG-001\t×\t2"_s}},
        {u"一致 2 G-003 ﾘﾝﾄﾞﾙﾑ砦 = 2"_s, {u"りんどるむ砦 ＊２"_s}},
        {u"一致 4 C-010 王冠ー第三軍団 = 4"_s, {u"王冠－第三軍団 4"_s}},
        {u"一致 1 C-011 碧旗・参謀 = 1"_s, {u"碧旗参謀×1"_s}},
        {u"一致 2 M-040 Aria Gate = 2"_s, {u"aria gate x2"_s}},
        {u"候補 1 D-020 影の将|D-020 影の将・改 = 1"_s, {u"D-020"_s}},
        {u"一致 1 D-020 影の将・改 = 1"_s, {u"D-020 影の将・改 ×1"_s}},
        {u"候補 2 E-030 ほのおの剣|E-031 ホノオノ剣 = 2"_s, {u"ほのおの剣 2"_s}},
        {u"候補 1 G-001 森の城 = 1"_s, {u"Z-999 森の城"_s}},
        {u"候補 2 G-002 緑の弓兵 = 2"_s, {u"弓兵 ×2"_s}},
        {u"不明 2 Z-999 謎のカード = 0"_s, {u"Z-999 謎のカード ×2"_s}},
        {u"不明 1 ? 謎のカード = 0"_s, {u"謎のカード"_s}},
        {u"不明 1 ? Box2 = 0"_s, {u"Box2"_s}},
        {u"不明 1 Z-9 星?～ = 0"_s, {u"Z-9 星🌟〜"_s}},  // as a deck file keeps it
        {u"無視 0枚 = 0"_s, {u"G-002 緑の弓兵 × 0"_s}},
        {u"一致 9 G-002 緑の弓兵 (9枚 → 4枚) = 4"_s, {u"G-002 緑の弓兵 × 9"_s}},
        {u"一致 12 G-002 緑の弓兵 (12枚 → 4枚) = 4"_s, {u"12 G-002"_s}},
        {u"一致 2 G-002 緑の弓兵 (計5枚 → 4枚), 一致 2 G-002 緑の弓兵 (1行目に合算), "
         u"一致 1 G-002 緑の弓兵 (1行目に合算) = 4"_s,
         {u"G-002 ×2\r\n緑の弓兵 2枚\nG-002 緑の弓兵 × 1"_s}},
        {u"一致 1 G-001 森の城 (計2枚), 無視 空行, 一致 1 G-001 森の城 (1行目に合算) = 2"_s,
         {u"1 G-001\r\rG-001"_s}},
        {u"無視 区切り線 = 0"_s, {SeparatorLine()}},
        {u"無視 合計 = 0"_s, {TotalLine(40), u"合計：４０枚"_s}},
        {u"無視 デッキ構成 = 0"_s, {u"デッキ構成"_s, u"ガイア族12枚"_s, u"城     0枚"_s}},
        {u"無視 見出し = 0"_s, {u"【城デッキ】"_s, u"# 速攻型"_s, u"メインデッキ："_s}},
        {u"無視 デッキ名 = 0"_s, {u"デッキ名：速攻"_s}},
        {u"無視 長すぎる行 = 0"_s, {u"G-001 "_s + QString(u"霧"_s).repeated(1100)}},
        // A count before or after the card in every form; what else the line holds is a note.
        {u"一致 4 G-002 緑の弓兵 = 4"_s,
         {u"G-002 緑の弓兵：4"_s, u"緑の弓兵 (4)"_s, u"緑の弓兵（４枚）"_s, u"×4 緑の弓兵"_s,
          u"緑の弓兵 4x"_s, u"G-002,緑の弓兵,4"_s, u"x4 G-002"_s, u"4,G-002"_s, u"G002 ×4"_s}},
        {u"一致 4 G-002 緑の弓兵 (「(主力)」) = 4"_s,
         {u"G-002 緑の弓兵 ×4 (主力)"_s, u"緑の弓兵 ×4 (主力)"_s, u"4 G-002 (主力)"_s}},
        {u"一致 4 G-002 緑の弓兵 (「// 主力」) = 4"_s, {u"G-002 ×4 // 主力"_s}},
        {u"一致 4 G-002 緑の弓兵 (「※主力」) = 4"_s, {u"G-002 緑の弓兵 x4 ※主力"_s}},
        {u"一致 1 G-002 緑の弓兵 (「弓兵隊」) = 1"_s, {u"G-002 弓兵隊"_s}},
        {u"候補 4 G-002 緑の弓兵 (「(2)」) = 4"_s, {u"G-002 緑の弓兵 ×4 (2)"_s}},
        {u"候補 1 G-002 緑の弓兵 (「4 主力」) = 1"_s, {u"G-002 緑の弓兵 4 主力"_s}},
        {u"候補 1 D-020 影の将|D-020 影の将・改 = 1"_s, {u"D020"_s}},
        {u"不明 0  (マイナスの枚数) = 0"_s, {u"G-002 ×-2"_s, u"G-002 x -1"_s}},
        {u"無視 見出し = 0"_s,
         {u"メインデッキ (40)"_s, u"メインデッキ（40枚）"_s, u"英雄 (3)"_s, u"◆計略 (8)"_s,
          u"■兵力"_s, u"兵力：20"_s, u"Side Deck (15)"_s, u"計略 8"_s, u"ガイア族 (12)"_s}},
        {u"無視 合計 = 0"_s, {u"Total 40 cards"_s}},
        {u"無視 枚数のみ = 0"_s, {u"40枚"_s}},
        {u"一致 1 G-001 森の城 = 1"_s, {u"\uFEFFG-001"_s}},
        {u"無視 デッキコード, 一致 2 G-002 緑の弓兵, 不明 1 ? Z-999 = 2"_s,
         {WriteDeckCode({u"速攻"_s, {{u"G-002 緑の弓兵"_s, 2}, {u"Z-999 謎"_s, 1}}, 3})}},
        {u"不明 0  (デッキコードが途中で切れているか、書き誤りがあります) = 0"_s,
         {WriteDeckCode({u"速攻"_s, {{u"G-002 緑の弓兵"_s, 2}}, 2}).chopped(2)}},
        {u"一致 2 E-033 100年の剣 = 2"_s, {u"100年の剣 ×2"_s, u"2 100年の剣"_s}},
        {u"一致 1 E-033 100年の剣 = 1"_s, {u"100年の剣"_s}},
        {u"一致 1 E-032 月影～宵の歌～ = 1"_s, {u"月影〜宵の歌〜"_s, u"月影~宵の歌~"_s}},
    };
    for (const auto& [expected, texts] : cases) {
        for (const QString& text : texts) {
            const DeckListImport import = ParseDeckList(text, catalogue);
            EXPECT_EQ(Describe(import, BuildImportedDeck(import, {}, {})), expected)
                << text.toStdString();
        }
    }
}

TEST(DeckListImport, OwnClipboardTextAndDeckFileReadBack) {
    const CardCatalogue catalogue = Cards();
    Deck deck{u"速攻 改"_s, {}, 0};
    for (const int card : {1, 2, 6, 5, 10, 3}) {
        deck.Lines.push_back({catalogue.CardListLine(card), qint16(card % 4 + 1)});
        deck.Total = qint16(deck.Total + deck.Lines.back().Count);
    }
    DeckTallies tallies;
    RecountTallies(tallies, deck, catalogue);
    const Deck nameless{{}, {}, 0};
    const std::pair<QString, Deck> texts[] = {
        {DeckClipboardText(deck), Deck{u"元の名前"_s, deck.Lines, deck.Total}},
        {DeckFileLines(deck, tallies, catalogue.FactionNames).join(u"\r\n"), deck},
        {DeckFileLines(nameless, {}, catalogue.FactionNames).join(u"\r\n"),
         Deck{u"元の名前"_s, {}, 0}},
    };
    for (const auto& [text, expected] : texts) {
        const DeckListImport import = ParseDeckList(text, catalogue);
        for (const ImportLine& line : import.Lines) {
            EXPECT_TRUE(line.Status == ImportStatus::Matched ||
                        line.Status == ImportStatus::Ignored)
                << line.Source.toStdString();
        }
        EXPECT_EQ(BuildImportedDeck(import, {}, u"元の名前"_s).Value, expected)
            << text.toStdString();
    }
    // Past the line limit, what is not read is said.
    const DeckListImport many =
        ParseDeckList(u"G-001\n"_s.repeated(kMaxImportLines + 5), catalogue);
    EXPECT_EQ(many.Lines.back().Reason, u"残り5行は読みません（1000行まで）"_s);
}

TEST(DeckListImport, ClipboardTextIsBoundedLikeAFileAtALineEnd) {
    const QString line = u"G-001 森の城\n"_s;
    const qsizetype size = line.toUtf8().size();
    qsizetype read = 0;
    EXPECT_EQ(BoundedDeckListText(line, read), line);
    EXPECT_EQ(read, size);
    const QString bounded =
        BoundedDeckListText(line.repeated(kMaxImportFileBytes / size + 2), read);
    EXPECT_EQ(read, kMaxImportFileBytes / size * size);
    EXPECT_EQ(bounded, line.repeated(kMaxImportFileBytes / size));
}

}  // namespace
}  // namespace kestrava
