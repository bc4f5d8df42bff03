#include "ReferenceLines.h"

namespace kestrava::fuzz {

std::vector<QByteArray> SplitLines(QByteArrayView bytes) {
    std::vector<QByteArray> lines;
    QByteArray current;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) {
        lines.push_back(current);
    }
    return lines;
}

}  // namespace kestrava::fuzz
