// QR codes: written for the recipe image and the sheet, read back from any picture of them.
// A build without the QR library (KESTRAVA_QR=0) writes none and reads none.
#pragma once

#include <QImage>
#include <QString>

namespace kestrava {

// The QR code of text, black on white, moduleSize pixels a module, with its quiet zone of four
// modules; a null image when the text does not fit a QR code.
QImage QrCodeImage(const QString& text, int moduleSize);

// The text of a QR code found in image (turned, scaled, or a part of a larger picture); false,
// text untouched, when there is none.
bool ReadQrCode(const QImage& image, QString& text);

// Whether this build writes and reads QR codes at all.
constexpr bool kQrCodes = KESTRAVA_QR;

}  // namespace kestrava
