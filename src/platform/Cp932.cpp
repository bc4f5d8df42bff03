#include "platform/Cp932.h"

#include <QStringDecoder>
#include <QStringList>

#include <array>
#include <memory>
#include <utility>

namespace kestrava {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kUnmapped = 0;

constexpr std::pair<unsigned char, char16_t> kSingleByteExtras[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};

// The character Windows reads for a single byte that starts no pair, or U+FFFD.
char16_t DecodeSingleByte(unsigned char b) {
    for (const auto& [byte, unit] : kSingleByteExtras) {
        if (byte == b) {
            return unit;
        }
    }
    return kReplacement;
}

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
bool IsHalfWidthKatakana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// Both directions as flat tables, built once from the platform converter. The converter
// itself is only asked about double-byte pairs: its handling of control characters,
// invalid bytes and cut-off input differs from code page 932, so those are ours.
struct Tables {
    std::array<char16_t, 0x10000> decode{};  // index lead << 8 | trail
    std::array<quint16, 0x10000> encode{};   // index UTF-16 unit; 0 when unmapped
    bool valid = false;
};

std::unique_ptr<Tables> BuildTables() {
    auto tables = std::make_unique<Tables>();
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return tables;
    }
    // One pass over every pair, each followed by a newline so a pair the converter rejects
    // cannot disturb its neighbours.
    QByteArray all;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(lead)) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (IsTrailByte(trail)) {
                all.append(char(lead)).append(char(trail)).append('\n');
            }
        }
    }
    const QString decoded = decoder.decode(all);
    const QStringList pieces = decoded.split(u'\n');
    int piece = 0;
    for (qsizetype i = 0; i + 2 < all.size(); i += 3, ++piece) {
        const unsigned char lead = all[i];
        const unsigned char trail = all[i + 1];
        const QString& text = pieces.value(piece);
        if (text.size() != 1) {
            continue;
        }
        const char16_t unit = text.at(0).unicode();
        if (unit == kReplacement || unit < 0x80 || QChar::isSurrogate(unit)) {
            continue;
        }
        tables->decode[lead << 8 | trail] = unit;
    }
    // Where several pairs decode to one character, Microsoft writes the first of them in
    // this order: the JIS rows, NEC row 13 and the IBM extensions before the NEC-selected
    // copies of the IBM extensions (leads ED and EE).
    auto invert = [&](int lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char16_t unit = tables->decode[lead << 8 | trail];
            if (unit != kUnmapped && tables->encode[unit] == 0) {
                tables->encode[unit] = quint16(lead << 8 | trail);
            }
        }
    };
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (IsLeadByte(lead) && lead != 0xED && lead != 0xEE) {
            invert(lead);
        }
    }
    invert(0xED);
    invert(0xEE);
    // Input methods outside Windows type these where Windows has their full-width twins; its
    // converter writes them under the twins' codes, which read back as the twins.
    const std::pair<char16_t, quint16> twins[] = {{0x301C, 0x8160}, {0x2212, 0x817C},
                                                  {0x2016, 0x8161}, {0x00A2, 0x8191},
                                                  {0x00A3, 0x8192}, {0x00AC, 0x81CA}};
    for (const auto& [unit, code] : twins) {
        if (tables->encode[unit] == 0) {
            tables->encode[unit] = code;
        }
    }
    // Single bytes outside the lead, trail and katakana ranges that Windows reads as characters
    // of their own and writes back as the same byte.
    for (const auto& [byte, unit] : kSingleByteExtras) {
        tables->encode[unit] = byte;
    }
    tables->valid = true;
    return tables;
}

const Tables& GetTables() {
    static const std::unique_ptr<Tables> tables = BuildTables();
    return *tables;
}

// Bytes for one UTF-16 unit outside ASCII: 0 when it has no code page 932 form.
quint16 EncodeUnit(const Tables& tables, char16_t unit) {
    if (unit >= 0xFF61 && unit <= 0xFF9F) {
        return quint16(unit - 0xFF61 + 0xA1);
    }
    return tables.encode[unit];
}

}  // namespace

bool Cp932Available() {
    return GetTables().valid;
}

QString DecodeCp932(QByteArrayView bytes) {
    const Tables& tables = GetTables();
    QString out;
    out.resize(bytes.size());
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    qsizetype n = 0;
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = src[i];
        if (b < 0x80) {
            dst[n++] = b;
        } else if (IsHalfWidthKatakana(b)) {
            dst[n++] = char16_t(0xFF61 + (b - 0xA1));
        } else if (IsLeadByte(b) && i + 1 < size && IsTrailByte(src[i + 1])) {
            const char16_t unit = tables.decode[b << 8 | src[i + 1]];
            dst[n++] = unit != kUnmapped ? unit : kReplacement;
            ++i;
        } else if (IsLeadByte(b)) {
            dst[n++] = kReplacement;
        } else {
            dst[n++] = DecodeSingleByte(b);
        }
    }
    out.truncate(n);
    return out;
}

char* EncodeCp932Into(QStringView text, char* dst) {
    const Tables& tables = GetTables();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            *dst++ = char(unit);
            continue;
        }
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;  // one character beyond the BMP, one "?"
            *dst++ = '?';
            continue;
        }
        const quint16 code = EncodeUnit(tables, unit);
        if (code == 0) {
            *dst++ = '?';
        } else if (code < 0x100) {
            *dst++ = char(code);
        } else {
            *dst++ = char(code >> 8);
            *dst++ = char(code & 0xFF);
        }
    }
    return dst;
}

QByteArray EncodeCp932(QStringView text) {
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    out.truncate(EncodeCp932Into(text, out.data()) - out.data());
    return out;
}

int Cp932ByteLength(QStringView text) {
    const Tables& tables = GetTables();
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            ++length;
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                   QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            ++length;
        } else {
            const quint16 code = EncodeUnit(tables, unit);
            length += code >= 0x100 ? 2 : 1;
        }
    }
    return length;
}

}  // namespace kestrava
