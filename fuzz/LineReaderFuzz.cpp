// fuzz_line_reader: the line reader that both file readers stand on, held against a plain
// line split (its decoding is fuzz_cp932's). The reader fills its buffer in 64 KiB chunks,
// so inputs can ask to be placed after a long filler, which puts their line ends on either
// side of a chunk boundary.
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "ReferenceLines.h"
#include "platform/TextFile.h"

namespace kestrava::fuzz {
namespace {

constexpr qsizetype kChunk = 64 * 1024;

// The first byte chooses whether and how far to shift; the second the filler's pattern.
QByteArray Placed(const uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.size() < 2 || (data[0] & 1) == 0) {
        return input;
    }
    static const std::array<QByteArray, 4> patterns = {"a", "ab\r\n", "a\r", "a\n"};
    const QByteArray& pattern = patterns[(data[1] >> 6) & 3];
    const qsizetype fillerSize = kChunk - 32 + (data[0] >> 1 & 63);
    QByteArray file = pattern.repeated(fillerSize / pattern.size() + 1).left(fillerSize);
    return file.append(input.mid(2));
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;
    static const QString path = FuzzFilePath(QStringLiteral("lines.txt"));

    const QByteArray bytes = Placed(data, size);
    WriteFuzzFile(path, bytes);
    const std::vector<QByteArray> expected = SplitLines(bytes);

    Cp932LineReader raw(path);
    FUZZ_CHECK(raw.IsOpen());
    QByteArray line;
    std::size_t n = 0;
    while (raw.ReadRawLine(line)) {
        FUZZ_CHECK(n < expected.size());
        FUZZ_CHECK(line == expected[n]);
        ++n;
    }
    FUZZ_CHECK(n == expected.size());
    FUZZ_CHECK(!raw.ReadRawLine(line));
    return 0;
}
