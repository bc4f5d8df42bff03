#include "ReferenceLines.h"

#include "platform/TextFile.h"

namespace kestrava::fuzz {
namespace {

// Every line end made one LF, then cut at each LF: Qt's own replace and search, so no loop
// over every byte runs under the coverage hooks.
ReferenceLines Split(QByteArrayView bytes, bool keepUnended) {
    ReferenceLines result;
    result.Text = bytes.toByteArray().replace("\r\n", "\n").replace('\r', '\n');
    const QByteArrayView text(result.Text);
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf('\n', start);
        const qsizetype length = (end < 0 ? text.size() : end) - start;
        if (length > kMaxLineBytes) {
            result.TooLong = true;
            return result;
        }
        if (end < 0) {
            if (keepUnended && length > 0) {
                result.Lines.push_back(text.sliced(start));
            }
            return result;
        }
        result.Lines.push_back(text.sliced(start, length));
        start = end + 1;
    }
}

}  // namespace

ReferenceLines SplitLines(QByteArrayView bytes) {
    return Split(bytes, true);
}

ReferenceLines WholeLinesBefore(QByteArrayView bytes) {
    // A CR at the very end may be the first half of CR LF, so its line is not known whole.
    return Split(bytes.endsWith('\r') ? bytes.chopped(1) : bytes, false);
}

}  // namespace kestrava::fuzz
