#include "FuzzInput.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kestrava::fuzz {

QByteArray ExpandInput(const uint8_t* data, std::size_t size, int copies, qsizetype maxBytes) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.isEmpty() || static_cast<unsigned char>(input.front()) != 0xFF) {
        return input;
    }
    const QByteArray unit = input.mid(1);
    QByteArray out = unit;
    for (int i = 1; i < copies && out.size() + unit.size() <= maxBytes; ++i) {
        out.append(unit);
    }
    return out;
}

FailingDevice::FailingDevice(QByteArray bytes, qsizetype failAfter)
    : bytes_(std::move(bytes)), failAfter_(std::max<qsizetype>(failAfter, 0)) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 FailingDevice::readData(char* data, qint64 maxSize) {
    const qsizetype end = std::min(failAfter_, bytes_.size());
    if (pos_ >= end) {
        return failAfter_ > bytes_.size() ? 0 : -1;
    }
    const qsizetype n = std::min<qsizetype>(qsizetype(maxSize), end - pos_);
    std::memcpy(data, bytes_.constData() + pos_, std::size_t(n));
    pos_ += n;
    return n;
}

qint64 FailingDevice::writeData(const char*, qint64) {
    return -1;
}

}  // namespace kestrava::fuzz
