// Pictures read from disk or the clipboard, bounded so a hostile one cannot freeze the program
// or fill its memory.
#pragma once

#include <QImage>
#include <QString>

namespace kestrava {

// No picture of a deck is larger: one past it is refused from its header, before decoding.
constexpr int kMaxImageSide = 12000;
constexpr int kMaxImageMegabytes = 256;  // decoded, the allocation limit of the reader
constexpr qint64 kMaxImageFileBytes = 64 * 1024 * 1024;

// Reads the regular file at path as a picture; false with why when it cannot.
bool ReadImageFile(const QString& path, QImage& image, QString& error);

}  // namespace kestrava
