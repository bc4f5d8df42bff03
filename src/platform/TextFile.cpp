#include "platform/TextFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#include "platform/Cp932.h"

namespace kestrava {
namespace {
constexpr qint64 kChunk = 64 * 1024;
}

Cp932LineReader::Cp932LineReader(const QString& path) : file_(path) {
    // Only regular files: a directory is no text, and a pipe or device would block or never end.
    open_ = QFileInfo(path).isFile() && file_.open(QIODevice::ReadOnly);
}

bool Cp932LineReader::Fill() {
    if (atEnd_) {
        return false;
    }
    buffer_.remove(0, pos_);
    pos_ = 0;
    nextLf_ = -1;
    const QByteArray chunk = file_.read(kChunk);
    if (chunk.isEmpty()) {
        atEnd_ = true;
        return false;
    }
    buffer_.append(chunk);
    return true;
}

qsizetype Cp932LineReader::FindLineEnd(qsizetype from) {
    // The next LF is remembered, so a file of lone CRs is not searched to the end for each line.
    const char* data = buffer_.constData();
    const qsizetype size = buffer_.size();
    if (nextLf_ < from) {
        const void* lf = std::memchr(data + from, '\n', size_t(size - from));
        nextLf_ = lf != nullptr ? static_cast<const char*>(lf) - data : size;
    }
    const void* cr = std::memchr(data + from, '\r', size_t(nextLf_ - from));
    return cr != nullptr ? static_cast<const char*>(cr) - data : nextLf_;
}

bool Cp932LineReader::NextLine(QByteArrayView& line) {
    if (!open_) {
        return false;
    }
    qsizetype searchFrom = pos_;
    for (;;) {
        const char* data = buffer_.constData();
        qsizetype end = FindLineEnd(searchFrom);
        if (end < buffer_.size()) {
            // A CR at the end of the buffer may be the first half of CR LF.
            if (data[end] == '\r' && end + 1 == buffer_.size() && !atEnd_) {
                const qsizetype offset = end - pos_;
                if (Fill()) {
                    searchFrom = pos_ + offset;
                    continue;
                }
                end = pos_ + offset;
                data = buffer_.constData();
            }
            line = QByteArrayView(buffer_.constData() + pos_, end - pos_);
            qsizetype next = end + 1;
            if (data[end] == '\r' && next < buffer_.size() && data[next] == '\n') {
                ++next;
            }
            pos_ = next;
            return true;
        }
        const qsizetype offset = end - pos_;
        if (!Fill()) {
            if (pos_ >= buffer_.size()) {
                return false;
            }
            line = QByteArrayView(buffer_.constData() + pos_, buffer_.size() - pos_);
            pos_ = buffer_.size();
            return true;
        }
        searchFrom = pos_ + offset;
    }
}

bool Cp932LineReader::ReadRawLine(QByteArray& line) {
    QByteArrayView view;
    if (!NextLine(view)) {
        return false;
    }
    line = view.toByteArray();
    return true;
}

bool Cp932LineReader::ReadLine(QString& line) {
    QByteArrayView view;
    if (!NextLine(view)) {
        return false;
    }
    line = DecodeCp932(view);
    return true;
}

QByteArray EncodeCp932Lines(const QStringList& lines) {
    qsizetype room = 0;
    for (const QString& line : lines) {
        room += line.size() * 2 + 2;
    }
    QByteArray out(room, Qt::Uninitialized);
    char* dst = out.data();
    for (const QString& line : lines) {
        dst = EncodeCp932Into(line, dst);
        *dst++ = '\r';
        *dst++ = '\n';
    }
    out.truncate(dst - out.data());
    return out;
}

bool WriteCp932Lines(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = EncodeCp932Lines(lines);
    // A small file sits in the write buffer until commit(), which does not report a failure to
    // flush it: flush first, so a full disk never replaces the old file with a cut-off one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace kestrava
