// Reproducible binary noise: the same seed gives the same bytes on every platform (the raw
// engine output is fully specified, unlike the standard distributions).
#pragma once

#include <QByteArray>

#include <random>

namespace kestrava::test {

inline QByteArray NoiseBytes(unsigned seed, qsizetype size) {
    std::mt19937 engine(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    char* data = bytes.data();
    std::mt19937::result_type word = 0;
    for (qsizetype i = 0; i < size; ++i) {
        // Four bytes from each 32-bit draw.
        if (i % 4 == 0) {
            word = engine();
        }
        data[i] = static_cast<char>((word >> (8 * (i % 4))) & 0xFF);
    }
    return bytes;
}

}  // namespace kestrava::test
