// fuzz_cp932: arbitrary bytes decoded as code page 932, and the same bytes taken as UTF-16
// and encoded. Decoding is one character per byte or pair; encoding writes only valid code
// page 932, one character for each character given (itself, "?" or the full-width twin that
// Windows writes it as), and its length is what Cp932ByteLength predicts.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "platform/Cp932.h"

namespace kestrava::fuzz {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Characters that input methods outside Windows type, written under the codes of their
// full-width twins and so read back as the twins.
char16_t TwinOf(char16_t unit) {
    switch (unit) {
        case 0x301C:
            return 0xFF5E;  // wave dash
        case 0x2212:
            return 0xFF0D;  // minus sign
        case 0x2016:
            return 0x2225;  // double vertical line
        case 0x00A2:
            return 0xFFE0;  // cent sign
        case 0x00A3:
            return 0xFFE1;  // pound sign
        case 0x00AC:
            return 0xFFE2;  // not sign
        default:
            return unit;
    }
}

// Every character of text (a surrogate pair is one) comes back from a write and a read
// as itself, as its twin or as the "?" of an unmappable character, and nothing else comes
// back.
void CheckEncoding(const QString& text) {
    const QByteArray bytes = EncodeCp932(text);
    FUZZ_CHECK(Cp932ByteLength(text) == bytes.size());
    const QString reread = DecodeCp932(bytes);
    qsizetype r = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++r) {
        FUZZ_CHECK(r < reread.size());
        const char16_t unit = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                          QChar::isLowSurrogate(text[i + 1].unicode());
        if (pair) {
            ++i;
            FUZZ_CHECK(reread[r] == u'?');
        } else {
            FUZZ_CHECK(reread[r] == TwinOf(text[i].unicode()) || reread[r] == u'?');
        }
    }
    FUZZ_CHECK(r == reread.size());
    FUZZ_CHECK(!reread.contains(QChar(kReplacement)));
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;
    const QByteArrayView bytes(data, qsizetype(size));
    const QString decoded = DecodeCp932(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    for (QChar c : decoded) {
        FUZZ_CHECK(!c.isSurrogate());
    }
    // Everything but an invalid byte survives a write and a read unchanged.
    QString expected = decoded;
    expected.replace(QChar(kReplacement), u'?');
    const QString once = DecodeCp932(EncodeCp932(decoded));
    FUZZ_CHECK(once == expected);
    FUZZ_CHECK(DecodeCp932(EncodeCp932(once)) == once);
    CheckEncoding(decoded);

    // The same bytes as UTF-16, lone surrogates included.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, std::size_t(units.size()) * sizeof(QChar));
    CheckEncoding(units);
    return 0;
}
