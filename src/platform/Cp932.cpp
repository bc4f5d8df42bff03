#include "platform/Cp932.h"

#include "platform/Cp932Tables.h"

namespace kestrava {
namespace {

// Bytes for one UTF-16 unit outside ASCII: 0 when it has no code page 932 form.
quint16 EncodeUnit(char16_t unit) {
    return cp932::kEncodeBlocks[cp932::kEncodeBlockOf[unit >> 8]][unit & 0xFF];
}

}  // namespace

QString DecodeCp932(QByteArrayView bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    QString out;
    out.resize(bytes.size());
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = src + bytes.size();
    // Every byte but the last has a next byte: no end check inside the loop.
    const auto* const last = end - 1;
    while (src < last) {
        const unsigned char b = *src;
        if (b < 0x80) {
            *dst++ = b;
            ++src;
            continue;
        }
        // The table tells whether b leads a pair and whether the next byte can end one.
        const int row = cp932::kLeadRowOf[b - 0x80];
        const char16_t pair = row != 0 ? cp932::kPairUnits[row - 1][src[1]] : char16_t(0);
        if (pair != 0) {
            *dst++ = pair;
            src += 2;
        } else {
            *dst++ = cp932::kHighByteUnits[b - 0x80];
            ++src;
        }
    }
    if (src < end) {
        const unsigned char b = *src;
        *dst++ = b < 0x80 ? char16_t(b) : cp932::kHighByteUnits[b - 0x80];
    }
    out.truncate(dst - reinterpret_cast<char16_t*>(out.data()));
    return out;
}

char* EncodeCp932Into(QStringView text, char* dst) {
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
        const quint16 code = EncodeUnit(unit);
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
            const quint16 code = EncodeUnit(unit);
            length += code >= 0x100 ? 2 : 1;
        }
    }
    return length;
}

}  // namespace kestrava
