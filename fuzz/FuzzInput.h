// What fuzz targets make of their raw input before handing it to the code under test, and a
// device that fails part way so that read errors can be fuzzed as well as content.
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <cstddef>
#include <cstdint>

namespace kestrava::fuzz {

// The raw input, or, when it starts with the byte 0xFF, the rest repeated copies times but
// no further than maxBytes (at least once). Lets short inputs reach limits such as the card
// table size or the 16-bit deck total.
QByteArray ExpandInput(const uint8_t* data, std::size_t size, int copies, qsizetype maxBytes);

// A read-only, sequential device over bytes that gives the first failAfter of them and then
// reports a read error on every further read, as a disk or network file can. With failAfter
// beyond the bytes it never fails and ends as a file does.
class FailingDevice : public QIODevice {
  public:
    FailingDevice(QByteArray bytes, qsizetype failAfter);

    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

  private:
    QByteArray bytes_;
    qsizetype failAfter_;
    qsizetype pos_ = 0;
};

}  // namespace kestrava::fuzz
