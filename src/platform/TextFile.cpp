#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "platform/Cp932.h"

namespace kestrava {
namespace {
constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kSmallestRead = 4 * 1024;

// Opens file for reading (and for writing when mode says so, never truncating it) when it is a
// regular file.
bool OpenRegularFile(QFile& file, QIODevice::OpenMode mode) {
#ifdef Q_OS_UNIX
    // Without blocking, so a pipe or device put at the path after any check cannot hang the
    // open, and checked on the descriptor, so what is checked is what is read.
    const int accessMode = mode.testFlag(QIODevice::WriteOnly) ? O_RDWR : O_RDONLY;
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          accessMode | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#elif defined(Q_OS_WIN)
    // Checked on the opened handle, so a device name (CON, NUL, COM1) or a pipe is refused
    // whatever folder it is written in, and what is checked is what is read.
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
    const HANDLE handle = ::CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(file.fileName()).utf16()),
        GENERIC_READ | (writing ? GENERIC_WRITE : 0),
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::CloseHandle(handle);
        return false;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle),
                                     (writing ? _O_RDWR : _O_RDONLY) | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return false;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::_close(fd);  // closes the handle too
        return false;
    }
    return true;
#else
    return QFileInfo(file.fileName()).isFile() && file.open(mode);
#endif
}

// Writes path in place through write, for a folder that takes no new file. The old bytes are
// read first and written back when anything fails, so the file is never left cut short.
bool SaveInPlace(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QFile file(path);
    if (!OpenRegularFile(file, QIODevice::ReadWrite | QIODevice::Unbuffered) ||
        file.size() > kMaxInPlaceSaveBytes) {
        return false;
    }
    // The size is only a hint (some files say 0): the read itself is bounded.
    QByteArray old;
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                return false;
            }
            break;
        }
        old += chunk;
        if (old.size() > kMaxInPlaceSaveBytes) {
            return false;
        }
    }
    if (file.seek(0) && write(file) && file.flush() && file.resize(file.pos())) {
        return true;
    }
    // The old bytes go back over blocks the file still holds: on most file systems this needs
    // no new space, so it works on a full disk too.
    file.seek(0);
    file.write(old);
    file.resize(old.size());
    return false;
}
}  // namespace

Cp932LineReader::Cp932LineReader(QIODevice& device) : device_(device) {}

bool OpenRegularFileForReading(QFile& file) {
    // Unbuffered: the reader asks for large chunks and keeps its own buffer.
    return OpenRegularFile(file, QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool Cp932LineReader::Fill() {
    if (state_ != State::Reading) {
        return false;
    }
    buffer_.remove(0, pos_);
    pos_ = 0;
    nextLf_ = -1;
    // A small file needs no chunk's worth of memory: ask for what is left and one byte more,
    // which shows the end. A size that may be wrong (some kernel files say 0) is only a hint.
    qint64 want = kChunk;
    if (!device_.isSequential()) {
        want = std::clamp<qint64>(device_.size() - device_.pos() + 1, kSmallestRead, kChunk);
    }
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + want);
    const qint64 got = device_.read(buffer_.data() + kept, want);
    buffer_.resize(kept + std::max<qint64>(got, 0));
    if (got < 0) {
        // A failed read is no end of file: the lines after it were never seen.
        state_ = State::ReadError;
        return false;
    }
    if (got == 0) {
        state_ = State::AtEnd;
        return false;
    }
    return true;
}

bool Cp932LineReader::TooLong(qsizetype length) {
    if (length <= kMaxLineBytes) {
        return false;
    }
    state_ = State::LineTooLong;
    buffer_.clear();
    pos_ = 0;
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

bool Cp932LineReader::ReadRawLine(QByteArrayView& line) {
    if (state_ == State::LineTooLong || state_ == State::ReadError) {
        return false;
    }
    qsizetype searchFrom = pos_;
    for (;;) {
        const char* data = buffer_.constData();
        qsizetype end = FindLineEnd(searchFrom);
        if (end < buffer_.size()) {
            // A CR at the end of the buffer may be the first half of CR LF.
            if (data[end] == '\r' && end + 1 == buffer_.size() && state_ == State::Reading) {
                const qsizetype offset = end - pos_;
                if (Fill()) {
                    searchFrom = pos_ + offset;
                    continue;
                }
                if (Failed()) {
                    return false;
                }
                end = pos_ + offset;
                data = buffer_.constData();
            }
            if (TooLong(end - pos_)) {
                return false;
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
        if (TooLong(offset)) {
            return false;
        }
        if (!Fill()) {
            if (Failed() || pos_ >= buffer_.size()) {
                return false;
            }
            line = QByteArrayView(buffer_.constData() + pos_, buffer_.size() - pos_);
            pos_ = buffer_.size();
            return true;
        }
        searchFrom = pos_ + offset;
    }
}

bool Cp932LineReader::ReadLine(QString& line) {
    QByteArrayView view;
    if (!ReadRawLine(view)) {
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

bool WriteCp932Lines(QIODevice& device, const QStringList& lines) {
    const QByteArray bytes = EncodeCp932Lines(lines);
    return device.write(bytes) == bytes.size();
}

bool SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // A pipe, a device or a folder at the path, or a link to none of a regular file, is never
    // replaced by a regular file; a link that loops or leads nowhere stays too.
    const QFileInfo target(path);
    if ((target.exists() || target.isSymbolicLink()) && !target.isFile()) {
        return false;
    }
#ifdef Q_OS_WIN
    // CON, NUL, COM1 and the like name a device in every folder, whatever their extension.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(target.fileName().trimmed()).hasMatch()) {
        return false;
    }
#endif
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return target.isFile() && SaveInPlace(path, write);
    }
    // A small file sits in the write buffer until commit(), which does not report a failure to
    // flush it: flush first, so a full disk never replaces the old file with a cut-off one.
    if (!write(file) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteCp932Lines(const QString& path, const QStringList& lines) {
    return SaveFileAtomically(
        path, [&lines](QIODevice& device) { return WriteCp932Lines(device, lines); });
}

}  // namespace kestrava
