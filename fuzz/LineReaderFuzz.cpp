// fuzz_line_reader: the line reader that both file readers stand on, held against a plain
// line split (its decoding is fuzz_cp932's), once on the whole input and once on a device that
// fails part way. The reader fills its buffer in 64 KiB chunks and gives up on a line longer
// than kMaxLineBytes, so inputs can ask to be placed after a long filler, which puts their
// line ends on either side of a chunk boundary or of the line limit.
#include <QBuffer>

#include <array>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReferenceLines.h"
#include "platform/TextFile.h"

namespace kestrava::fuzz {
namespace {

constexpr qsizetype kChunk = 64 * 1024;

// The first byte chooses whether and how far to shift and whether to the chunk boundary or
// the line limit; the second the filler's pattern.
QByteArray Placed(const uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.size() < 2 || (data[0] & 1) == 0) {
        return input;
    }
    // Lines of 128 bytes: the reader makes a copy of each line, so a filler of short lines
    // would make the filler, not the input, the work.
    static const QByteArray line(127, 'a');
    static const std::array<QByteArray, 4> patterns = {"a", line + "\r\n", line + "\r",
                                                       line + "\n"};
    const QByteArray& pattern = patterns[(data[1] >> 6) & 3];
    const qsizetype edge = (data[0] & 0x80) != 0 ? kMaxLineBytes : kChunk;
    const qsizetype fillerSize = edge - 32 + (data[0] >> 1 & 63);
    QByteArray file = pattern.repeated(fillerSize / pattern.size() + 1).left(fillerSize);
    return file.append(input.mid(2));
}

// Where the read error comes: the input's last three bytes, big-endian, within the bytes.
qsizetype FailurePoint(const uint8_t* data, std::size_t size, qsizetype placedSize) {
    uint32_t n = 0;
    for (std::size_t i = size < 3 ? 0 : size - 3; i < size; ++i) {
        n = n << 8 | data[i];
    }
    return qsizetype(n % uint32_t(placedSize + 1));
}

// Reads every line of device and holds them and the final state against expected.
void CheckReader(QIODevice& device, const ReferenceLines& expected, Cp932LineReader::State endState,
                 Cp932LineReader::State orEndState) {
    Cp932LineReader reader(device);
    QByteArrayView line;
    std::size_t n = 0;
    while (reader.ReadRawLine(line)) {
        FUZZ_CHECK(n < expected.Lines.size());
        FUZZ_CHECK(line == expected.Lines[n]);
        ++n;
    }
    FUZZ_CHECK(n == expected.Lines.size());
    const Cp932LineReader::State state = reader.ReadState();
    FUZZ_CHECK(state == endState || state == orEndState);
    FUZZ_CHECK(reader.Failed() == (state == Cp932LineReader::State::ReadError));
    // The end, whatever it was, stays the end.
    FUZZ_CHECK(!reader.ReadRawLine(line));
    FUZZ_CHECK(reader.ReadState() == state);
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;
    using State = Cp932LineReader::State;

    QByteArray bytes = Placed(data, size);
    const ReferenceLines expected = SplitLines(bytes);
    {
        QBuffer buffer(&bytes);
        FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
        const State end = expected.TooLong ? State::LineTooLong : State::AtEnd;
        CheckReader(buffer, expected, end, end);
    }

    // Only whole lines come before a read error. An overlong line before it ends the reading
    // first, unless the CR after it is the last byte read: a CR LF cut in two is a read error.
    const qsizetype failAfter = FailurePoint(data, size, bytes.size());
    const ReferenceLines whole = WholeLinesBefore(QByteArrayView(bytes).first(failAfter));
    FailingDevice failing(bytes, failAfter);
    if (whole.TooLong) {
        CheckReader(failing, whole, State::LineTooLong, State::ReadError);
    } else {
        CheckReader(failing, whole, State::ReadError, State::ReadError);
    }
    return 0;
}
