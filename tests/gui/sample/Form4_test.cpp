// The sample-hand window over a fake source: the odds table and the cost chart follow the deck,
// a fixed seed deals a fixed hand, the keyboard shows a drawn card, a reopened window starts
// afresh.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "sample/ui/CostChartView.h"
#include "sample/ui/Form4.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

class FakeSource : public SampleDeckSource {
  public:
    FakeSource() {
        // code, type, cost symbols, cost value
        const std::tuple<QString, QString, qint16, qint16> cards[] = {{u"H-1"_s, u"英雄"_s, 1, 1},
                                                                      {u"H-2"_s, u"英雄"_s, 0, 2},
                                                                      {u"T-1"_s, u"兵力"_s, 3, 5},
                                                                      {u"K-1"_s, u"城"_s, 0, 0}};
        for (const auto& [code, type, symbols, value] : cards) {
            CardRecord& card = Catalogue.CardTable[Catalogue.CardCount++];
            std::tie(card.Code, card.CardType, card.CostSymbols, card.CostValue) =
                std::tie(code, type, symbols, value);
        }
    }
    const Deck& SampleDeck() const override { return TheDeck; }
    const CardCatalogue& SampleCatalogue() const override { return Catalogue; }
    void ShowCardInPanel(const QString& line) override { Shown << line; }

    Deck TheDeck;
    CardCatalogue Catalogue;
    QStringList Shown;
};

class Form4Test : public ::testing::Test {
  protected:
    void SetUp() override {
        // 40 main-deck cards, 8 of them heroes; 4 castles.
        source_.TheDeck.Lines = {{u"H-1 英一"_s, 4},
                                 {u"H-2 英二"_s, 4},
                                 {u"T-1 兵"_s, 4},
                                 {u"X-9 不明"_s, 28},
                                 {u"K-1 砦"_s, 4}};
    }
    template <typename T>
    T* Find(const char* name) const {
        T* widget = window_.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    QStringList Rows() const {
        QStringList rows;
        const QTableWidget* grid = Find<QTableWidget>("Grid1");
        for (int row = 0; row < grid->rowCount(); ++row) {
            rows << grid->item(row, 0)->text() + " " + grid->item(row, 1)->text() + " " +
                        grid->item(row, 2)->text();
        }
        return rows;
    }
    QList<qreal> Bars() const {
        const auto* series =
            qobject_cast<QBarSeries*>(Find<CostChartView>("Chart1")->chart()->series().front());
        QList<qreal> bars;
        for (int i = 0; i < series->barSets().front()->count(); ++i) {
            bars << series->barSets().front()->at(i);
        }
        return bars;
    }
    QStringList Drawn() const {
        QStringList lines;
        for (int i = 0; i < Find<QListWidget>("List1")->count(); ++i) {
            lines << Find<QListWidget>("List1")->item(i)->text();
        }
        return lines;
    }

    FakeSource source_;
    Form4 window_{source_, 99};
};

TEST_F(Form4Test, OddsAndCostCurveFollowTheDeck) {
    window_.Open();
    EXPECT_EQ(Rows(), QStringList({u"英雄 8 81.9%"_s, u"兵力 4 55.2%"_s}));
    EXPECT_EQ(Find<QGroupBox>("Frame3")->title(), u"初手7枚で1枚以上引く確率"_s);
    EXPECT_EQ(Bars(), QList<qreal>({0, 0, 8, 0, 0, 0, 0, 4}));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), u"残り 4枚"_s);

    source_.TheDeck.Lines = {{u"K-1 砦"_s, 2}};
    window_.DeckChanged();
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(Bars(), QList<qreal>(8, 0));
    EXPECT_EQ(Find<QLabel>("Label1")->text(), u"残り 0枚"_s);
    EXPECT_FALSE(Find<QPushButton>("Command3")->isEnabled());
    EXPECT_EQ(Find<QLabel>("Label2")->text(), u"残り 2枚"_s);
}

TEST_F(Form4Test, FixedSeedDealsAFixedHand) {
    window_.Open();
    Press("Command3");
    Form4 same(source_, 99);
    same.Open();
    QTest::mouseClick(same.findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QStringList other;
    for (int i = 0; i < 7; ++i) {
        other << same.findChild<QListWidget*>("List1")->item(i)->text();
    }
    EXPECT_EQ(Drawn(), other);
}

TEST_F(Form4Test, KeyboardSelectionShowsTheCard) {
    window_.Open();
    Press("Command2");
    QListWidget* list = Find<QListWidget>("List1");
    list->setFocus();
    EXPECT_TRUE(source_.Shown.isEmpty());  // focus alone shows nothing
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_FALSE(source_.Shown.isEmpty());
    EXPECT_EQ(source_.Shown.back(), list->currentItem()->text());
}

TEST_F(Form4Test, ReopenedWindowStartsFromAFreshShuffle) {
    window_.Open();
    Press("Command3");
    Press("Command9");
    EXPECT_FALSE(window_.isVisible());
    source_.TheDeck.Lines.pop_back();  // no castles any more
    window_.Open();
    EXPECT_TRUE(Drawn().isEmpty());
    EXPECT_EQ(Find<QLabel>("Label1")->text(), u"残り 40枚"_s);
    EXPECT_EQ(Find<QLabel>("Label2")->text(), u"残り 0枚"_s);
}

}  // namespace
}  // namespace kestrava
