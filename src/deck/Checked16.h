// 16-bit signed arithmetic that reports an overflow instead of wrapping: counts, totals and
// tallies are 16-bit, and an overflow ends the command in progress.
#pragma once

#include <QtGlobal>

#include <limits>
#include <optional>

namespace kestrava {

inline std::optional<qint16> Checked16(int value) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return static_cast<qint16>(value);
}

inline std::optional<qint16> CheckedAdd16(qint16 a, qint16 b) {
    return Checked16(int{a} + int{b});
}

inline std::optional<qint16> CheckedSub16(qint16 a, qint16 b) {
    return Checked16(int{a} - int{b});
}

}  // namespace kestrava
