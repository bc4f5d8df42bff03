#include "share/QrCode.h"

#if KESTRAVA_QR
// The text of a read code as UTF-8, the library's coming form.
#define ZX_USE_UTF8
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <ZXing/ReadBarcode.h>

#include <exception>

namespace kestrava {

QImage QrCodeImage(const QString& text, int moduleSize) {
    ZXing::BitMatrix matrix;
    try {
        // At its smallest: one pixel a module; scaled below without blurring.
        matrix = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                     .setMargin(4)
                     .setEncoding(ZXing::CharacterSet::UTF8)
                     .encode(text.toStdString(), 0, 0);
    } catch (const std::exception&) {
        return {};  // too long for the largest QR code
    }
    QImage image(matrix.width(), matrix.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < matrix.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < matrix.width(); ++x) {
            row[x] = matrix.get(x, y) ? 0 : 255;
        }
    }
    return image.scaled(image.size() * moduleSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool ReadQrCode(const QImage& image, QString& text) {
    if (image.isNull()) {
        return false;
    }
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    const ZXing::Result result =
        ZXing::ReadBarcode(view, ZXing::DecodeHints()
                                     .setFormats(ZXing::BarcodeFormat::QRCode)
                                     .setTryHarder(true)
                                     .setTryRotate(true)
                                     .setTryDownscale(true));
    if (!result.isValid()) {
        return false;
    }
    text = QString::fromStdString(result.text());
    return true;
}

}  // namespace kestrava

#else

namespace kestrava {

QImage QrCodeImage(const QString&, int) {
    return {};
}

bool ReadQrCode(const QImage&, QString&) {
    return false;
}

}  // namespace kestrava

#endif
