// A deck shared as a recipe image or a registration sheet comes back whole: the image's QR code
// reads back to the deck however the picture was passed on, and the sheet's PDF holds every line.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTransform>

#include <chrono>

#include "files/DeckCode.h"
#include "files/DeckListImport.h"
#include "share/ImageFile.h"
#include "share/QrCode.h"
#include "share/RecipeImage.h"
#include "share/RegistrationSheet.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

const QStringList kTypes = {u"城"_s,   u"英雄"_s, u"指揮官"_s, u"兵力"_s,
                            u"配下"_s, u"戦法"_s, u"計略"_s};

// lines cards of every type, numbered from 100, and a deck of them with counts 1 to 4.
struct SharedDeck {
    CardCatalogue Cards;
    Deck Value;
};

SharedDeck DeckOf(int lines, const QString& name) {
    SharedDeck shared;
    QStringList cards;
    for (int i = 0; i < lines; ++i) {
        cards << u"G-%1|翠の兵%1号|%2"_s.arg(i + 100).arg(kTypes[i % kTypes.size()]);
    }
    shared.Cards = test::CatalogueOf(cards);
    shared.Value.DeckName = name;
    for (int i = 0; i < lines; ++i) {
        shared.Value.Lines.push_back({shared.Cards.CardListLine(i), qint16(i % 4 + 1)});
        shared.Value.Total = qint16(shared.Value.Total + i % 4 + 1);
    }
    return shared;
}

QImage PassedOn(const QImage& image, const char* how) {
    const QString way = QString::fromLatin1(how);
    if (way == u"scaled to 50%") {
        return image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (way == u"JPEG at quality 60") {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 60);
        return QImage::fromData(bytes, "JPEG");
    }
    if (way == u"turned by 3°") {
        return image.transformed(QTransform().rotate(3), Qt::SmoothTransformation);
    }
    if (way == u"in a larger picture") {
        QImage larger(image.width() + 900, image.height() + 700, QImage::Format_RGB32);
        larger.fill(QColor(90, 60, 40));
        QPainter(&larger).drawImage(500, 300, image);
        return larger;
    }
    return image;
}

TEST(RecipeImage, ReadsBackToTheSameDeckHoweverItIsPassedOn) {
    if (!kQrCodes) {
        GTEST_SKIP() << "built without QR codes";
    }
    for (const int lines : {1, 15, 40}) {
        const SharedDeck deck = DeckOf(lines, u"速攻 第%1版"_s.arg(lines));
        const QImage image = DrawRecipeImage(deck.Value, deck.Cards);
        EXPECT_EQ(image.width(), kRecipeWidth);
        for (const char* how : {"as drawn", "scaled to 50%", "JPEG at quality 60", "turned by 3°",
                                "in a larger picture"}) {
            QString text;
            ASSERT_TRUE(ReadQrCode(PassedOn(image, how), text)) << lines << " lines, " << how;
            const DeckListImport import = ParseDeckList(text, deck.Cards);
            EXPECT_EQ(BuildImportedDeck(import, {}, {}).Value, deck.Value)
                << lines << " lines, " << how;
        }
    }
}

TEST(RecipeImage, GrowsWithTheDeck) {
    const SharedDeck small = DeckOf(5, u"小"_s);
    const SharedDeck large = DeckOf(60, u"大"_s);
    EXPECT_LT(DrawRecipeImage(small.Value, small.Cards).height(),
              DrawRecipeImage(large.Value, large.Cards).height());
}

// A QR code of another program's deck list reads back as its text, for the import to read.
TEST(QrCode, CarriesAnyTextAsItWas) {
    if (!kQrCodes) {
        GTEST_SKIP() << "built without QR codes";
    }
    const QString list = u"デッキ名：森\n翠の兵100号 ×2\nG-101 ×4 (主力)"_s;
    QString text;
    ASSERT_TRUE(ReadQrCode(QrCodeImage(list, 4), text));
    EXPECT_EQ(text, list);
}

struct HostileImage {
    const char* Name;
    QByteArray Bytes;
};

TEST(ImageFile, HostileFilesAreRefusedAtOnce) {
    QTemporaryDir dir;
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(40, 40, QImage::Format_RGB32).save(&buffer, "PNG");
    }
    // A PNG header claiming 30 000 × 30 000 pixels.
    QByteArray huge = png;
    const char side[] = {0, 0, 0x75, 0x30};
    huge.replace(16, 4, side, 4).replace(20, 4, side, 4);
    const HostileImage cases[] = {
        {"huge.png", huge},
        {"cut.png", png.first(png.size() / 2)},
        {"noise.png", QByteArray(5000, '\x5a')},
        {"empty.png", {}},
    };
    for (const HostileImage& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.Name));
        test::WriteBytes(path, c.Bytes);
        QImage image;
        QString error;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(ReadImageFile(path, image, error)) << c.Name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.Name;
        EXPECT_FALSE(error.isEmpty()) << c.Name;
    }
    QImage image;
    QString error;
    EXPECT_FALSE(ReadImageFile(dir.path(), image, error));  // a folder
}

// pdftotext's text of the PDF at path, pages apart by form feeds.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST(RegistrationSheet, PdfHoldsEveryLineAndTheTotalsOnAsManyPagesAsNeeded) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "pdftotext runs on the Linux host, not under Wine";
#endif
    QTemporaryDir dir;
    for (const auto& [lines, pages] : {std::pair{12, 1}, {60, 1}, {61, 2}}) {
        const SharedDeck deck = DeckOf(lines, u"大会用 %1"_s.arg(lines));
        const QString path = dir.filePath(u"sheet%1.pdf"_s.arg(lines));
        ASSERT_TRUE(WriteRegistrationPdf(path, deck.Value, deck.Cards));
        const QString text = PdfText(path);
        EXPECT_EQ(text.count(u'\f'), pages) << lines;
        EXPECT_EQ(RegistrationSheetPages(deck.Value), pages);
        EXPECT_EQ(text.count(u"デッキ登録用紙"_s), pages);
        for (const DeckLine& line : deck.Value.Lines) {
            const QString name = line.Text.section(u' ', 1);
            const QRegularExpression row(QRegularExpression::escape(name) + uR"(\s+\S+\s+)"_s +
                                             QString::number(line.Count) + uR"(\s*$)"_s,
                                         QRegularExpression::MultilineOption);
            EXPECT_TRUE(row.match(text).hasMatch()) << name.toStdString();
        }
        EXPECT_TRUE(text.contains(u"合計 %1枚"_s.arg(deck.Value.Total))) << lines;
    }
}

}  // namespace
}  // namespace kestrava
