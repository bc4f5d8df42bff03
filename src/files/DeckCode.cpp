#include "files/DeckCode.h"

#include <QByteArray>
#include <QRegularExpression>

#include <array>

namespace kestrava {

namespace {

constexpr int kVersion = 1;
constexpr int kMaxCount = 7;  // three bits beside the code's length
// No deck has more lines; a code claiming more is broken, not a reason to allocate.
constexpr quint64 kMaxEntries = 1000;

quint32 Crc32(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> values{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int bit = 0; bit < 8; ++bit) {
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            values[i] = c;
        }
        return values;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = table[(crc ^ quint8(byte)) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

QString Prefix(int version) {
    return QStringLiteral("KDC%1.").arg(version);
}

void AppendNumber(QByteArray& bytes, quint64 value) {
    while (value >= 0x80) {
        bytes.append(char(0x80 | (value & 0x7F)));
        value >>= 7;
    }
    bytes.append(char(value));
}

// The bytes after the version and before the checksum, read front to back.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool Number(quint64& value) {
        value = 0;
        for (int shift = 0; shift < 64 && at_ < bytes_.size(); shift += 7) {
            const quint8 byte = quint8(bytes_[at_++]);
            value |= quint64(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) {
                return true;
            }
        }
        return false;
    }
    bool Text(quint64 size, QString& text) {
        if (size > quint64(bytes_.size() - at_)) {
            return false;
        }
        text = QString::fromUtf8(bytes_.mid(at_, qsizetype(size)));
        at_ += qsizetype(size);
        return true;
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

  private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

bool ReadContent(const QByteArray& payload, DeckCodeContent& content) {
    Reader reader(payload);
    quint64 size = 0;
    quint64 entries = 0;
    if (!reader.Number(size) || !reader.Text(size, content.DeckName) || !reader.Number(entries) ||
        entries > kMaxEntries) {
        return false;
    }
    content.Entries.clear();
    for (quint64 i = 0; i < entries; ++i) {
        quint64 head = 0;
        DeckCodeEntry entry;
        if (!reader.Number(head) || !reader.Text(head >> 3, entry.Code)) {
            return false;
        }
        entry.Count = int(head & 7);
        if (entry.Count == 0 || entry.Code.isEmpty()) {
            return false;
        }
        content.Entries.push_back(entry);
    }
    return reader.AtEnd();
}

}  // namespace

QString WriteDeckCode(const Deck& deck) {
    QByteArray payload;
    const QByteArray name = deck.DeckName.toUtf8();
    AppendNumber(payload, quint64(name.size()));
    payload += name;
    AppendNumber(payload, deck.Lines.size());
    for (const DeckLine& line : deck.Lines) {
        const QByteArray code = line.Text.section(u' ', 0, 0).toUtf8();
        AppendNumber(payload,
                     (quint64(code.size()) << 3) | quint64(qBound(1, int(line.Count), kMaxCount)));
        payload += code;
    }
    const QString prefix = Prefix(kVersion);
    const quint32 crc = Crc32(prefix.toLatin1() + payload);
    for (int shift = 24; shift >= 0; shift -= 8) {
        payload.append(char((crc >> shift) & 0xFF));
    }
    return prefix + QString::fromLatin1(payload.toBase64(QByteArray::Base64UrlEncoding |
                                                         QByteArray::OmitTrailingEquals));
}

DeckCodeReading ReadDeckCode(QStringView text, DeckCodeContent& content, QString& reason) {
    static const QRegularExpression code(QStringLiteral(R"(KDC([0-9]+)\.([A-Za-z0-9_-]*))"));
    const QRegularExpressionMatch match = code.match(text.toString());
    if (!match.hasMatch()) {
        return DeckCodeReading::NotACode;
    }
    if (match.captured(1) != QString::number(kVersion)) {
        reason = QStringLiteral("読めない版のデッキコード（KDC%1）").arg(match.captured(1));
        return DeckCodeReading::Refused;
    }
    const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
        match.captured(2).toLatin1(),
        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray bytes = decoded.decoded;
    constexpr auto kEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    // The bits a last character carries past the bytes count too: a code is read only as
    // written, so no character can change without the code being refused.
    if (!decoded || bytes.size() < 4 || bytes.toBase64(kEncoding) != match.captured(2).toLatin1()) {
        reason = QStringLiteral("デッキコードが途中で切れているか、書き誤りがあります");
        return DeckCodeReading::Refused;
    }
    const QByteArray payload = bytes.first(bytes.size() - 4);
    quint32 crc = 0;
    for (const char byte : bytes.last(4)) {
        crc = (crc << 8) | quint8(byte);
    }
    if (Crc32(Prefix(kVersion).toLatin1() + payload) != crc) {
        reason = QStringLiteral("デッキコードが途中で切れているか、書き誤りがあります");
        return DeckCodeReading::Refused;
    }
    if (!ReadContent(payload, content)) {
        reason = QStringLiteral("デッキコードの中身が壊れています");
        return DeckCodeReading::Refused;
    }
    return DeckCodeReading::Read;
}

}  // namespace kestrava
