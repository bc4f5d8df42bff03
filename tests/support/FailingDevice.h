// A device that serves its bytes and then fails every read after the first failAfter bytes,
// as a disk with a bad sector does; with no failAfter it ends normally.
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <optional>

namespace kestrava::test {

class FailingDevice : public QIODevice {
  public:
    explicit FailingDevice(QByteArray bytes, std::optional<qint64> failAfter = std::nullopt)
        : bytes_(std::move(bytes)), failAfter_(failAfter) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 limit = std::min<qint64>(failAfter_.value_or(bytes_.size()), bytes_.size());
        if (served_ >= limit) {
            return served_ < bytes_.size() ? -1 : 0;
        }
        const qint64 n = std::min(maxSize, limit - served_);
        std::memcpy(data, bytes_.constData() + served_, size_t(n));
        served_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray bytes_;
    std::optional<qint64> failAfter_;
    qint64 served_ = 0;
};

}  // namespace kestrava::test
