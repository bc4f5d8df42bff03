// Sharing through the main window: the deck code and the recipe image read back through the
// import dialog, the sheet written, a picture without a code said so, a dropped deck asked
// about. How the image and the sheet look and read is DeckSharing_test's, codes DeckCode_test's.
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>

#include "Form1Fixture.h"
#include "files/ui/ImportDialog.h"
#include "share/QrCode.h"

namespace kestrava::test {
namespace {

// An unsaved deck: G-1 x4 and G-2 x1, named 森のデッキ.
class SharingTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        Begin();
        Add(1, "Command2");
        Add(2, "Command4");
        Find<QLineEdit>("Text2")->insert(U(u"森のデッキ"));
    }
    // The deck the import dialog now shown would make; the dialog closed.
    Deck Imported() {
        auto* dialog = form_->findChild<ImportDialog*>();
        EXPECT_NE(dialog, nullptr);
        const Deck deck = dialog != nullptr ? dialog->Result().Value : Deck{};
        delete dialog;
        return deck;
    }
};

TEST_F(SharingTest, CodeAndRecipeImageReadBackThroughTheImportDialog) {
    Trigger("CopyDeckCode");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("KDC1."));
    Trigger("ImportClipboard");
    EXPECT_EQ(Imported(), form_->CurrentDeck());

    const QString image = Path("deck.png");
    Use("ExportImage", image);
    EXPECT_EQ(Text("Label24"), "Save " + image);
    if (!kQrCodes) {  // nothing to read an image's code with
        EXPECT_FALSE(Find<QAction>("ImportImage")->isEnabled());
        return;
    }
    Use("ImportImage", image);
    EXPECT_EQ(Imported(), form_->CurrentDeck());
}

TEST_F(SharingTest, SheetIsWrittenAndAPictureWithoutACodeIsSaidSo) {
    const QString pdf = Path("sheet.pdf");
    Use("ExportPdf", pdf);
    EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF"));

    if (!kQrCodes) {  // image import is greyed out
        return;
    }
    const QString blank = Path("blank.png");
    QImage(200, 200, QImage::Format_RGB32).save(blank);
    answers_ << "OkButton";
    Use("ImportImage", blank);
    EXPECT_EQ(Text("Label24"), "Load " + blank + U(u" (QRコードなし)"));
    EXPECT_EQ(form_->findChild<ImportDialog*>(), nullptr);
}

TEST_F(SharingTest, DroppedDeckFileAsksBeforeTheDeckGoes) {
    const QString path = DeckFile("other.dek", {U(u"他"), QString(80, '-')});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    answers_ << "CancelButton";
    // As a drag delivers it: entered, then dropped.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &enter);
    QApplication::sendEvent(form_.get(), &drop);
    TRY_EXPECT(answers_.isEmpty());
    EXPECT_EQ(DeckName(), U(u"森のデッキ"));
}

}  // namespace
}  // namespace kestrava::test
