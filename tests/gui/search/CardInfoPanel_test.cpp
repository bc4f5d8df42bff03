#include "search/ui/CardInfoPanel.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(CardInfoPanel, ShowsTextsAsPlainTextAndRightPressAnywhereAsksForThePopup) {
    CardInfoPanel panel;
    auto* command5 = panel.findChild<QPushButton*>(u"Command5"_s);
    ASSERT_TRUE(command5 && command5->isHidden());
    CardPanelTexts texts;
    QString* const fields[] = {
        &texts.CardName,      &texts.Illustrator,   &texts.Rarity,       &texts.Cost,
        &texts.Faction,       &texts.Type,          &texts.Abilities,    &texts.UpperText,
        &texts.LowerText,     &texts.Attack,        &texts.Defense,      &texts.Speed,
        &texts.StatsText,     &texts.Gear,          &texts.CastleText,   &texts.FormationName,
        &texts.FormationRow1, &texts.FormationRow2, &texts.FormationRow3};
    for (int i = 0; i < 19; ++i) {
        *fields[i] = u"<b>%1</b>"_s.arg(i);  // card texts are never read as markup
    }
    texts.Command5Visible = true;
    panel.ShowPanel(texts);
    for (int i = 0; i < 19; ++i) {
        auto* label = panel.findChild<QLabel*>(u"Label%1"_s.arg(i < 15 ? i + 1 : i + 34));
        ASSERT_NE(label, nullptr) << i;
        EXPECT_EQ(label->text(), *fields[i]) << i;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << i;
    }
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy popup(&panel, &CardInfoPanel::PopupRequested);
    QSignalSpy toggle(&panel, &CardInfoPanel::FormationToggleRequested);
    for (QWidget* target : {static_cast<QWidget*>(&panel), panel.findChild<QWidget*>(u"Label8"_s),
                            static_cast<QWidget*>(command5)}) {
        popup.clear();
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
            QTest::mouseClick(target, button, {}, QPoint(4, 4));
        }
        ASSERT_EQ(popup.count(), 1) << target->objectName().toStdString();
        EXPECT_EQ(popup.at(0).at(0).toPoint(), target->mapToGlobal(QPoint(4, 4)));
    }
    EXPECT_EQ(toggle.count(), 1);  // the left click on Command5, and only that
}

}  // namespace
}  // namespace kestrava
