#include "share/ImageFile.h"

#include <QFile>
#include <QImageReader>

#include "platform/TextFile.h"

namespace kestrava {

bool ReadImageFile(const QString& path, QImage& image, QString& error) {
    QFile file(path);
    if (!OpenRegularFileForReading(file)) {
        error = QStringLiteral("画像ファイルを開けません");
        return false;
    }
    if (file.size() > kMaxImageFileBytes) {
        error = QStringLiteral("画像ファイルが大きすぎます");
        return false;
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(kMaxImageMegabytes);
    const QSize size = reader.size();
    if (size.width() > kMaxImageSide || size.height() > kMaxImageSide) {
        error = QStringLiteral("画像が大きすぎます（%1×%2）").arg(size.width()).arg(size.height());
        return false;
    }
    if (!reader.read(&image)) {
        error = QStringLiteral("画像として読めません");
        return false;
    }
    return true;
}

}  // namespace kestrava
