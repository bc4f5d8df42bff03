#include <QComboBox>

#include "Form1Fixture.h"
#include "files/ui/FileWindows.h"
#include "files/ui/Form2.h"

namespace kestrava::test {
namespace {

TEST_F(Form1Test, StartsWithTheCardListLoadedAndNothingListed) {
    Start();
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(form_->windowTitle(), "Kestrava Deck Builder");
    EXPECT_EQ(catalogue_.CardCount, 5);
    EXPECT_EQ(Find<QListWidget>("List1")->count(), 0);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);
    for (const char* label :
         {"Label7", "Label8", "Label9", "Label10", "Label11", "Label12", "Label13", "Label14",
          "Label15", "Label49", "Label50", "Label51", "Label52"}) {
        EXPECT_EQ(Text(label), "") << label;
    }
    EXPECT_EQ(Text("Label1"), QString::fromUtf16(u"カード名："));
    const QComboBox* combo = Find<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), 68);
    EXPECT_EQ(combo->itemText(0), "ALL");
    EXPECT_EQ(combo->currentText(), "ALL");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(form_->SelectedIllustrator(), "ALL");
    EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), QString::fromUtf16(u"種別"));
    EXPECT_FALSE(Find<QComboBox>("Combo2")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("Combo3")->isVisible());
    EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    for (int box = 1; box <= 32; ++box) {
        EXPECT_FALSE(Find<QCheckBox>(QString("Check%1").arg(box))->isChecked());
    }
    EXPECT_EQ(Text("Label16"), "0");
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), "0");
    EXPECT_TRUE(Find<QLineEdit>("Text1")->isReadOnly());
}

TEST_F(Form1Test, MissingCardListOpensTheFileDialogOverTheWindow) {
    cardListPath_ = CardListPathIn(dir_.filePath("elsewhere"));
    Start();
    EXPECT_EQ(catalogue_.CardCount, 0);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);
    Form2* dialog = form_->Files().FileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(dialog->windowTitle(), "File Open");
    EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form1Test, LayoutFollowsTheDesign) {
    Start();
    EXPECT_EQ(form_->centralWidget()->size(), QSize(670, 557));
    const struct {
        const char* name;
        QRect geometry;
    } cases[] = {
        {"List1", {4, 124, 289, 196}},    {"List2", {340, 124, 289, 196}},
        {"List3", {628, 124, 37, 196}},   {"Frame3", {8, 336, 341, 217}},
        {"Frame6", {352, 336, 309, 217}}, {"Combo1", {504, 4, 157, 20}},
        {"Text2", {424, 100, 241, 19}},   {"Command4", {294, 124, 45, 22}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Find<QWidget>(c.name)->geometry(), c.geometry) << c.name;
    }
}

}  // namespace
}  // namespace kestrava::test
