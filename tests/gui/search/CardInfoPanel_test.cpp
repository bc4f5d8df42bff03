#include "search/ui/CardInfoPanel.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <iterator>

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

class CardInfoPanelTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, {u"MS Gothic"_s, u"IPAGothic"_s});
        QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, {u"MS PGothic"_s, u"IPAPGothic"_s});
    }

    QLabel* Label(const QString& name) {
        auto* label = panel.findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name.toStdString();
        return label;
    }

    QPushButton* Command5() { return panel.findChild<QPushButton*>(u"Command5"_s); }

    CardInfoPanel panel;
};

const char* const kLabelNames[] = {"Label1",  "Label2",  "Label3",  "Label4",  "Label5",
                                   "Label6",  "Label7",  "Label8",  "Label9",  "Label10",
                                   "Label11", "Label12", "Label13", "Label14", "Label15",
                                   "Label49", "Label50", "Label51", "Label52"};

TEST_F(CardInfoPanelTest, FrameAndGeometry) {
    EXPECT_EQ(panel.objectName(), u"Frame3");
    EXPECT_EQ(panel.title(), u"カード情報");
    EXPECT_EQ(panel.size(), QSize(341, 217));
    const struct {
        const char* name;
        QRect geometry;
    } cases[] = {
        {"Label5", {12, 12, 145, 13}},   {"Label1", {12, 29, 321, 13}},
        {"Label6", {160, 63, 169, 13}},  {"Label8", {12, 93, 321, 53}},
        {"Label9", {12, 146, 277, 53}},  {"Label12", {148, 199, 33, 13}},
        {"Label49", {288, 160, 49, 13}}, {"Label50", {293, 172, 37, 13}},
        {"Label52", {293, 198, 37, 13}}, {"Command5", {264, 200, 25, 13}},
    };
    for (const auto& c : cases) {
        auto* widget = panel.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    }
    for (const char* name : {"Label8", "Label9"}) {
        EXPECT_TRUE(Label(QString::fromLatin1(name))->wordWrap()) << name;
        EXPECT_EQ(Label(QString::fromLatin1(name))->alignment() & (Qt::AlignTop | Qt::AlignLeft),
                  Qt::AlignTop | Qt::AlignLeft)
            << name;
    }
}

TEST_F(CardInfoPanelTest, OpensLikeTheInitialPanel) {
    const CardPanelTexts initial = InitialCardPanel();
    EXPECT_EQ(Label(u"Label1"_s)->text(), initial.Label1);
    EXPECT_EQ(Label(u"Label2"_s)->text(), initial.Label2);
    EXPECT_EQ(Label(u"Label6"_s)->text(), initial.Label6);
    for (const char* name : {"Label7", "Label9", "Label10", "Label15", "Label49", "Label52"}) {
        EXPECT_TRUE(Label(QString::fromLatin1(name))->text().isEmpty()) << name;
    }
    EXPECT_EQ(Command5()->text(), u"…");
    EXPECT_TRUE(Command5()->isHidden());
}

TEST_F(CardInfoPanelTest, ShowPanelWritesEveryLabel) {
    CardPanelTexts texts;
    QString CardPanelTexts::*const fields[] = {
        &CardPanelTexts::Label1,  &CardPanelTexts::Label2,  &CardPanelTexts::Label3,
        &CardPanelTexts::Label4,  &CardPanelTexts::Label5,  &CardPanelTexts::Label6,
        &CardPanelTexts::Label7,  &CardPanelTexts::Label8,  &CardPanelTexts::Label9,
        &CardPanelTexts::Label10, &CardPanelTexts::Label11, &CardPanelTexts::Label12,
        &CardPanelTexts::Label13, &CardPanelTexts::Label14, &CardPanelTexts::Label15,
        &CardPanelTexts::Label49, &CardPanelTexts::Label50, &CardPanelTexts::Label51,
        &CardPanelTexts::Label52};
    static_assert(std::size(fields) == std::size(kLabelNames));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        texts.*fields[i] = QString::fromLatin1(kLabelNames[i]) + u"：<b>値</b> & 1  "_s;
    }
    texts.Command5Visible = true;
    panel.ShowPanel(texts);
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        QLabel* label = Label(QString::fromLatin1(kLabelNames[i]));
        EXPECT_EQ(label->text(), texts.*fields[i]) << kLabelNames[i];
        // Card texts come from a file: never let them be read as markup.
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << kLabelNames[i];
    }
    EXPECT_FALSE(Command5()->isHidden());

    texts.Command5Visible = false;
    panel.ShowPanel(texts);
    EXPECT_TRUE(Command5()->isHidden());
}

TEST_F(CardInfoPanelTest, RightPressAnywhereAsksForThePopupLeftClickOnCommand5Toggles) {
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.ShowPanel([] {
        CardPanelTexts texts = InitialCardPanel();
        texts.Command5Visible = true;
        return texts;
    }());
    QSignalSpy popup(&panel, &CardInfoPanel::PopupRequested);
    QSignalSpy toggle(&panel, &CardInfoPanel::FormationToggleRequested);

    const struct {
        QWidget* target;
        QPoint pos;
    } places[] = {
        {&panel, QPoint(330, 5)},              // the frame itself
        {Label(u"Label8"_s), QPoint(10, 10)},  // a label over it
        {Label(u"Label52"_s), QPoint(2, 2)},
        {Command5(), QPoint(5, 5)},  // the button only takes the left button
    };
    for (const auto& place : places) {
        popup.clear();
        QTest::mousePress(place.target, Qt::LeftButton, {}, place.pos);
        QTest::mouseRelease(place.target, Qt::LeftButton, {}, place.pos);
        QTest::mousePress(place.target, Qt::MiddleButton, {}, place.pos);
        QTest::mouseRelease(place.target, Qt::MiddleButton, {}, place.pos);
        EXPECT_EQ(popup.count(), 0) << place.target->objectName().toStdString();

        QTest::mousePress(place.target, Qt::RightButton, {}, place.pos);
        QTest::mouseRelease(place.target, Qt::RightButton, {}, place.pos);
        ASSERT_EQ(popup.count(), 1) << place.target->objectName().toStdString();
        EXPECT_EQ(popup.at(0).at(0).toPoint(), place.target->mapToGlobal(place.pos))
            << place.target->objectName().toStdString();
    }
    EXPECT_EQ(toggle.count(), 1);  // the left click on Command5, and only that
}

TEST_F(CardInfoPanelTest, GridRowsUseTheFixedFontAndTextsTheProportional) {
    const QString fixed = u"ＭＳ ゴシック"_s;
    const QString proportional = u"ＭＳ Ｐゴシック"_s;
    EXPECT_EQ(panel.font().family(), proportional);
    const struct {
        const char* name;
        const QString& family;
    } cases[] = {
        {"Label1", fixed},         {"Label7", fixed},         {"Label9", fixed},
        {"Label10", fixed},        {"Label49", fixed},        {"Label50", fixed},
        {"Label51", fixed},        {"Label52", fixed},        {"Label8", proportional},
        {"Label11", proportional}, {"Label12", proportional}, {"Label13", proportional},
    };
    for (const auto& c : cases) {
        const QFont font = Label(QString::fromLatin1(c.name))->font();
        EXPECT_EQ(font.family(), c.family) << c.name;
        EXPECT_EQ(font.pointSize(), 9) << c.name;
    }
    // Resolved through the substitutions: a full-width mark is exactly two blanks wide.
    const QFontInfo grid(Label(u"Label50"_s)->font());
    const QFontInfo text(Label(u"Label8"_s)->font());
    EXPECT_EQ(grid.family(), u"IPAGothic");
    EXPECT_EQ(text.family(), u"IPAPGothic");
    const QFontMetrics metrics(Label(u"Label50"_s)->font());
    EXPECT_EQ(metrics.horizontalAdvance(u"兵"_s), metrics.horizontalAdvance(u"  "_s));
}

}  // namespace
}  // namespace kestrava
