#include "catalogue/CardList.h"

#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

constexpr int kColumnCount = 31;
// Positions on a line are 16-bit: a comma further along makes the line unusable.
constexpr qsizetype kLastCommaPosition = 32767;

// Columns 2 to 31 in file order: each fills a text field or a number field.
struct Column {
    QString CardRecord::*text;
    qint16 CardRecord::*number;
};

constexpr Column Text(QString CardRecord::*field) {
    return {field, nullptr};
}
constexpr Column Number(qint16 CardRecord::*field) {
    return {nullptr, field};
}

const std::array<Column, kColumnCount - 1> kColumns = {
    Text(&CardRecord::Name),          Text(&CardRecord::Illustrator), Text(&CardRecord::Rarity),
    Number(&CardRecord::CostSymbols), Number(&CardRecord::CostValue), Text(&CardRecord::CardType),
    Text(&CardRecord::SubType),       Number(&CardRecord::Upkeep),    Text(&CardRecord::SortieCost),
    Text(&CardRecord::Charge),        Text(&CardRecord::Trample),     Text(&CardRecord::Counter),
    Number(&CardRecord::Shooting),    Number(&CardRecord::Siege),     Number(&CardRecord::Plunder),
    Text(&CardRecord::UpperText),     Text(&CardRecord::LowerText),   Text(&CardRecord::StatsText),
    Number(&CardRecord::Attack),      Number(&CardRecord::Defense),   Number(&CardRecord::Speed),
    Number(&CardRecord::Gear),        Text(&CardRecord::CastleText),  Text(&CardRecord::Formation1),
    Text(&CardRecord::Grid1),         Text(&CardRecord::Formation2),  Text(&CardRecord::Grid2),
    Text(&CardRecord::Ambush),        Text(&CardRecord::Scout),       Text(&CardRecord::Flank),
};

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Index of the next comma at or after from, or -1 when there is none within reach.
qsizetype NextComma(QStringView line, qsizetype from) {
    const qsizetype comma = line.indexOf(u',', from);
    return comma < 0 || comma + 1 > kLastCommaPosition ? -1 : comma;
}

}  // namespace

std::optional<qint16> ParseCardNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype digitsStart = i;
    int value = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > 32768) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == digitsStart) {
        return std::nullopt;
    }
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    if (i != n) {
        return std::nullopt;
    }
    if (negative) {
        value = -value;
    }
    if (value > 32767) {
        return std::nullopt;
    }
    return qint16(value);
}

bool ParseCardLine(QStringView line, CardRecord& record, const FactionNameList& names) {
    qsizetype comma = NextComma(line, 0);
    if (comma < 0) {
        return false;
    }
    record.Code = line.left(comma).toString();
    record.Faction = FactionOfCode(record.Code, names);
    for (const Column& column : kColumns) {
        const qsizetype next = NextComma(line, comma + 1);
        if (next < 0) {
            return false;
        }
        const QStringView text = line.mid(comma + 1, next - comma - 1);
        if (column.text != nullptr) {
            record.*column.text = text.toString();
        } else {
            const std::optional<qint16> number = ParseCardNumber(text);
            if (!number) {
                return false;
            }
            record.*column.number = *number;
        }
        comma = next;
    }
    return record.Code.size() + 1 + record.Name.size() <= kMaxCardLineLength;
}

CardListLoad LoadCardList(CardCatalogue& catalogue, QIODevice& device) {
    // Read into a table of its own, taken over only when the whole file could be read.
    std::vector<CardRecord> table;
    Cp932LineReader reader(device);
    QByteArrayView bytes;
    qsizetype bytesRead = 0;
    CardRecord record;
    while (table.size() < std::size_t(kCardTableSize) && reader.ReadRawLine(bytes)) {
        bytesRead += bytes.size();
        if (bytesRead > kMaxCardListBytes ||
            !ParseCardLine(DecodeCp932(bytes), record, catalogue.FactionNames)) {
            break;
        }
        table.push_back(std::move(record));
        record = CardRecord();
    }
    if (reader.Failed()) {
        return CardListLoad::ReadFailed;
    }
    catalogue.ReplaceCards(std::move(table));
    return CardListLoad::Loaded;
}

CardListLoad LoadCardList(CardCatalogue& catalogue, const QString& path) {
    QFile file(path);
    if (!OpenRegularFileForReading(file)) {
        return CardListLoad::OpenFailed;
    }
    return LoadCardList(catalogue, file);
}

}  // namespace kestrava
