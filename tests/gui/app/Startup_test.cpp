#include "Form1Fixture.h"
#include "files/ui/FileWindows.h"

namespace kestrava::test {
namespace {

TEST_F(Form1Test, StartsWithTheCardListLoadedAndNothingListed) {
    Start();
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(catalogue_.CardCount, 5);
    EXPECT_EQ(Find<QListWidget>("List1")->count(), 0);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);
    for (const char* label : {"Label7", "Label8", "Label9", "Label10", "Label13", "Label49"}) {
        EXPECT_EQ(Text(label), "") << label;
    }
    const QComboBox* combo = Find<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), 68);
    EXPECT_EQ(combo->itemText(0), "ALL");
    EXPECT_EQ(combo->currentText(), "ALL");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(form_->Files().FileDialog(), nullptr);
    EXPECT_EQ(form_->centralWidget()->size(), QSize(670, 557));
}

TEST_F(Form1Test, MissingCardListOpensTheFileDialogOverTheWindow) {
    cardListPath_ = CardListPathIn(dir_.filePath("elsewhere"));
    Start();
    EXPECT_EQ(catalogue_.CardCount, 0);
    EXPECT_EQ(Text("Label24"), "Load " + cardListPath_);
    QWidget* dialog = form_->Files().FileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(dialog->windowTitle(), "File Open");
    EXPECT_TRUE(form_->isVisible());
}

}  // namespace
}  // namespace kestrava::test
