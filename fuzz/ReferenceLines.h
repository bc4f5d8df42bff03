// An independent, obviously correct line split that the fuzz targets hold the real line
// reader against: CR LF, lone LF and lone CR end a line; a last line without its end is
// still a line; nothing after the last line end is not a line; a line longer than
// kMaxLineBytes ends the split without being a line.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace kestrava::fuzz {

struct ReferenceLines {
    QByteArray Text;                    // the bytes with every line end made one LF
    std::vector<QByteArrayView> Lines;  // views into Text
    bool TooLong = false;               // the split ended at an overlong line
};

ReferenceLines SplitLines(QByteArrayView bytes);

// The lines of bytes that a reader which loses the rest of the file after them can know to
// be whole: those ended by LF, or by CR when a byte follows it (it may be the LF of CR LF).
ReferenceLines WholeLinesBefore(QByteArrayView bytes);

}  // namespace kestrava::fuzz
