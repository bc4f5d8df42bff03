#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <optional>

#include "catalogue/CardList.h"
#include "catalogue/StringTable.h"
#include "support/FailingDevice.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using test::CardLine;

class CardListTest : public ::testing::Test {
  protected:
    qint16 Load(const QByteArray& bytes) {
        test::WriteBytes(dir_.filePath("list.csv"), bytes);
        EXPECT_EQ(LoadCardList(catalogue_, dir_.filePath("list.csv")), CardListLoad::Loaded);
        return catalogue_.CardCount();
    }
    QByteArray Lines(int count, const QString& prefix = "G") {
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            lines << CardLine(QString("%1-%2").arg(prefix).arg(i, 4, 10, QChar('0')), "名");
        }
        return test::CardListBytes(lines);
    }

    QTemporaryDir dir_;
    CardCatalogue catalogue_;
};

// Texts are kept as they stand: blanks, quotes, NUL and all. Which column fills which field is
// seen where the fields are used: ShowCardLine shows a card of every column, each filter box
// tests its own column.
TEST_F(CardListTest, TextsAreKeptAsTheyStand) {
    const QString name = QString::fromUtf16(u"ﾄﾞﾗｺﾞﾝ～王 ").insert(3, QChar(0));
    ASSERT_EQ(Load(test::CardListBytes({CardLine("D-1", name, {{3, " \"a "}, {31, "\"\""}})})), 1);
    const CardRecord& card = catalogue_.CardTable()[0];
    EXPECT_EQ(QStringList({card.Name, card.Illustrator, card.Flank, card.Faction}),
              QStringList({name, " \"a ", "\"\"", QString::fromUtf16(u"デ・バース帝国")}));
}

// A line of the given length in bytes, its upper text filling it.
QString CardLineOfLength(int length) {
    return CardLine("C-1", "", {{17, QString(length - CardLine("C-1", "").size(), 'n')}});
}

struct ListCase {
    const char* What;
    QStringList Lines;
    qint16 Loaded;
};

// Every comma counts toward position 32767; line ends do not count toward the file's bytes.
TEST_F(CardListTest, StopsAtTheFirstUnusableLine) {
    const QString good = CardLine("C-1", "a");
    QString noFinalComma = CardLine("C-2", "b");
    noFinalComma.chop(1);
    const QStringList big(kMaxCardListBytes / 32768, CardLineOfLength(32767));
    const int rest = int(kMaxCardListBytes - big.join("").size());
    const ListCase cases[] = {
        {"all usable", {good, good, good}, 3},
        {"no final comma", {good, noFinalComma, good}, 1},
        {"32 columns", {good + "extra,more", good}, 2},
        {"empty line", {good, "", good}, 1},
        {"no number", {good, CardLine("C-3", "c", {{6, "32768"}}), good}, 1},  // ParseCardNumber's
        {"list line of 1024", {good, CardLine("C-3", QString(1020, 'n')), good}, 3},
        {"list line of 1025", {good, CardLine("C-3", QString(1021, 'n')), good}, 1},
        {"last comma at 32767", {good, CardLineOfLength(32767)}, 2},
        {"last comma at 32768", {good, CardLineOfLength(32768)}, 1},
        {"bytes up to the limit", big + QStringList{CardLineOfLength(rest)}, 65},
        {"a byte past the limit", big + QStringList{CardLineOfLength(rest + 1)}, 64}};
    for (const ListCase& list : cases) {
        EXPECT_EQ(Load(test::CardListBytes(list.Lines)), list.Loaded) << list.What;
    }
}

// Each text and what it reads as, "-" for no number.
TEST_F(CardListTest, NumberColumns) {
    QStringList read;
    for (const char* text : {"0", "-32768", "32767", " 7 ", "\t+3\t", "-0", "32768", "-32769", "",
                             "x", "1 2", "--1", "１", "99999999999999999999"}) {
        const std::optional<qint16> number = ParseCardNumber(QString::fromUtf8(text));
        read << QString::fromUtf8(text) + "=" + (number ? QString::number(*number) : "-");
    }
    EXPECT_EQ(read.join(" | "),
              QString::fromUtf8("0=0 | -32768=-32768 | 32767=32767 |  7 =7 | \t+3\t=3 | -0=0 | "
                                "32768=- | -32769=- | =- | x=- | 1 2=- | --1=- | １=- | "
                                "99999999999999999999=-"));
}

// A full table ends the reading: a read that would fail after it is never made. A shorter list
// then replaces it whole.
TEST_F(CardListTest, TableLimitAndReloads) {
    const QByteArray full = Lines(kCardTableSize);
    test::FailingDevice device(full + Lines(5, "M"), full.size() + 1);
    ASSERT_EQ(LoadCardList(catalogue_, device), CardListLoad::Loaded);
    EXPECT_EQ(catalogue_.CardCount(), kCardTableSize);
    EXPECT_EQ(catalogue_.CardTable()[kCardTableSize - 1].Code, "G-1024");
    EXPECT_EQ(Load(Lines(3, "M")), 3);
    EXPECT_EQ(catalogue_.FindCardIndexByCode(QString("G-0003")), -1);
    EXPECT_EQ(catalogue_.FindCardIndexByCode(QString("M-0002")), 2);
    EXPECT_EQ(Load(""), 0);
    EXPECT_EQ(catalogue_.FindCardIndexByCode(QString("M-0000")), -1);
}

// Part of a card list is not the card list: a load that cannot open the file, or read all of it,
// keeps the cards loaded before.
TEST_F(CardListTest, FailedLoadChangesNothing) {
    Load(Lines(5));
    EXPECT_EQ(LoadCardList(catalogue_, dir_.filePath("missing.csv")), CardListLoad::OpenFailed);
    const QByteArray other = Lines(300, "M");
    test::FailingDevice device(other, other.size() - 1);  // all but the last byte read
    EXPECT_EQ(LoadCardList(catalogue_, device), CardListLoad::ReadFailed);
    ASSERT_EQ(catalogue_.CardCount(), 5);
    EXPECT_EQ(catalogue_.CardListLine(4), "G-0004 名");
}

// Cards added one at a time are indexed as a loaded list is: one lookup, one list order.
TEST(CardCatalogue, AddedCardsAreIndexedAsLoadedOnes) {
    CardCatalogue added = test::CatalogueOf({"G-2|b", "C-1|a", "G-2|b", "E-5|", "C-1|a", "A-0|z"});
    CardCatalogue loaded;
    loaded.ReplaceCards(added.CardTable());
    for (const CardCatalogue* catalogue : {&added, &loaded}) {
        EXPECT_EQ(catalogue->ListOrder(), std::vector<int>({5, 1, 4, 3, 0, 2}));
        EXPECT_EQ(catalogue->FindCardIndexByCode(QString("G-2")), 0);
        EXPECT_EQ(catalogue->FindCardIndexByCode(QString("C-1")), 1);
        EXPECT_EQ(catalogue->CardListLine(3), "E-5 ");
    }
    CardCatalogue full;
    full.ReplaceCards(std::vector<CardRecord>(kCardTableSize + 3, added.CardTable()[0]));
    EXPECT_EQ(full.CardCount(), kCardTableSize);
    EXPECT_FALSE(full.AddCard(added.CardTable()[1]));
    EXPECT_EQ(full.FindCardByCode(QString("C-1")), nullptr);
}

}  // namespace
}  // namespace kestrava
