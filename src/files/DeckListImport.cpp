#include "files/DeckListImport.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cstdlib>

#include "catalogue/StringTable.h"
#include "deck/DeckEditing.h"
#include "files/DeckLineLayout.h"
#include "platform/Cp932.h"
#include "platform/Folding.h"
#include "platform/TextFile.h"

namespace kestrava {

namespace {

// A kept unknown line may get "? " in front and must still fit a deck line.
constexpr qsizetype kMaxImportLineLength = kMaxCardLineLength - 2;
constexpr int kMaxWrittenCount = 9999;
constexpr qsizetype kShownLongLine = 80;
// Longer than any name with a note after it: no part of a name is looked for in such a line.
constexpr qsizetype kMaxPartLength = 64;

bool IsBlank(QChar c) {
    return c.isSpace();
}

int DigitValue(QChar c) {
    const char16_t unit = c.unicode();
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit >= u'０' && unit <= u'９') {
        return unit - u'０';
    }
    return -1;
}

bool IsSymbolMultiplier(QChar c) {
    return c == u'×' || c == u'*' || c == u'＊' || c == u'✕' || c == u'✖';
}

bool IsLetterMultiplier(QChar c) {
    return c == u'x' || c == u'X' || c == u'ｘ' || c == u'Ｘ';
}

bool IsLatinLetter(QChar c) {
    const char16_t unit = c.unicode();
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'ａ' && unit <= u'ｚ') || (unit >= u'Ａ' && unit <= u'Ｚ');
}

int ParseDigits(QStringView digits) {
    int value = 0;
    for (const QChar c : digits) {
        value = std::min(value * 10 + DigitValue(c), kMaxWrittenCount);
    }
    return value;
}

struct CountSplit {
    QStringView Item;
    int Count = 1;
};

// "item × n", "item x n", "item n", "item n枚", "item×n" and the like.
bool SplitTrailingCount(QStringView line, CountSplit& split) {
    qsizetype end = line.size();
    const bool sheets = end > 0 && line[end - 1] == u'枚';
    if (sheets) {
        for (--end; end > 0 && IsBlank(line[end - 1]); --end) {
        }
    }
    qsizetype digits = end;
    while (digits > 0 && DigitValue(line[digits - 1]) >= 0) {
        --digits;
    }
    if (digits == end) {
        return false;
    }
    qsizetype item = digits;
    while (item > 0 && IsBlank(line[item - 1])) {
        --item;
    }
    // Without a blank, a mark or 枚 the digits belong to the item ("G-001").
    bool separated = sheets || item < digits;
    // An "x" ending a Latin word is a letter of it ("Box 2").
    if (item > 0 &&
        (IsSymbolMultiplier(line[item - 1]) ||
         (IsLetterMultiplier(line[item - 1]) && (item == 1 || !IsLatinLetter(line[item - 2]))))) {
        --item;
        separated = true;
    }
    split.Item = line.first(item).trimmed();
    if (!separated || split.Item.isEmpty()) {
        return false;
    }
    split.Count = ParseDigits(line.sliced(digits, end - digits));
    return true;
}

// "n item", "n× item", "nx item", "n枚 item".
bool SplitLeadingCount(QStringView line, CountSplit& split) {
    qsizetype digits = 0;
    while (digits < line.size() && DigitValue(line[digits]) >= 0) {
        ++digits;
    }
    if (digits == 0) {
        return false;
    }
    const auto skipBlanks = [&](qsizetype at) {
        while (at < line.size() && IsBlank(line[at])) {
            ++at;
        }
        return at;
    };
    qsizetype item = skipBlanks(digits);
    if (item < line.size() && line[item] == u'枚') {
        item = skipBlanks(item + 1);
    }
    if (item < line.size() &&
        (IsSymbolMultiplier(line[item]) ||
         // "3xC-001" or "3 x C-001", but not "3 xeno".
         (IsLetterMultiplier(line[item]) &&
          (item == digits || (item + 1 < line.size() && IsBlank(line[item + 1])))))) {
        item = skipBlanks(item + 1);
    }
    // "100年" is a name, not a count.
    if (item == digits || item == line.size()) {
        return false;
    }
    split.Item = line.sliced(item).trimmed();
    split.Count = ParseDigits(line.first(digits));
    return true;
}

CountSplit SplitCount(QStringView line) {
    CountSplit split;
    if (!SplitTrailingCount(line, split) && !SplitLeadingCount(line, split)) {
        split = {line, 1};
    }
    return split;
}

bool IsSeparatorLine(QStringView line) {
    static const QString kRuleCharacters = QStringLiteral("-=_－＝―─━ー~～");
    qsizetype marks = 0;
    for (const QChar c : line) {
        if (kRuleCharacters.contains(c)) {
            ++marks;
        } else if (!IsBlank(c)) {
            return false;
        }
    }
    return marks >= 3;
}

bool IsTotalLine(QStringView line) {
    static const QRegularExpression total(
        QStringLiteral(R"(^(?:total|合計枚数|合計|計)\s*[:：=＝]?\s*[0-9０-９]+\s*枚?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return total.match(line.toString()).hasMatch();
}

// Blanks, digits and 枚: the rest of a summary line.
bool IsSheetCount(QStringView rest) {
    static const QRegularExpression count(QStringLiteral(R"(^\s*[0-9０-９]+\s*枚$)"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    return count.match(rest.toString()).hasMatch();
}

// The deck file's summary: its heading, "ガイア族12枚" and "英雄   3枚".
bool IsSummaryLine(QStringView line, const FactionNameList& factionNames) {
    if (line == u"デッキ構成") {
        return true;
    }
    for (const QString& name : factionNames) {
        if (!name.isEmpty() && line.startsWith(name) && IsSheetCount(line.sliced(name.size()))) {
            return true;
        }
    }
    for (int word = kWordHero; word <= kWordCastle; ++word) {
        const QString& type = LoadWord(word);
        if (line.startsWith(type) && IsSheetCount(line.sliced(type.size()))) {
            return true;
        }
    }
    return false;
}

bool IsHeading(QStringView line) {
    static const std::pair<char16_t, char16_t> kBrackets[] = {
        {u'【', u'】'}, {u'[', u']'}, {u'［', u'］'}, {u'〔', u'〕'},
        {u'《', u'》'}, {u'<', u'>'}, {u'＜', u'＞'}, {u'〈', u'〉'},
    };
    if (line.startsWith(u'#') || line.startsWith(u"//") || line.endsWith(u':') ||
        line.endsWith(u'：')) {
        return true;
    }
    return std::any_of(std::begin(kBrackets), std::end(kBrackets), [&](const auto& pair) {
        return line.size() >= 2 && line.front() == pair.first && line.back() == pair.second;
    });
}

// "デッキ名：name" or "デッキ名 name"; false for any other line.
bool ReadDeckNameLabel(QStringView line, QString& name) {
    static const QString kLabel = QStringLiteral("デッキ名");
    if (!line.startsWith(kLabel)) {
        return false;
    }
    QStringView rest = line.sliced(kLabel.size());
    if (!rest.isEmpty() && (rest.front() == u':' || rest.front() == u'：')) {
        rest = rest.sliced(1);
    } else if (!rest.isEmpty() && !IsBlank(rest.front())) {
        return false;
    }
    name = rest.trimmed().toString();
    return true;
}

// An unknown line as a deck line that a deck file keeps: one blank between words, a code
// before the first blank, no "-" in front (the reader skips such a line), and only what code
// page 932 writes (a character it has no form for is "?"), so it reads back as shown.
QString KeptText(QStringView item) {
    QString text = DecodeCp932(EncodeCp932(item.toString().simplified()));
    if (!text.contains(u' ') || text.startsWith(u'-')) {
        text.prepend(QStringLiteral("? "));
    }
    return text;
}

// The cards behind an item: by exact code (the name telling cards with one code apart), by
// the folded code or whole name, and, with less certainty, by a part of the name.
class CardMatcher {
  public:
    explicit CardMatcher(const CardCatalogue& catalogue) : catalogue_(catalogue) {
        const std::vector<CardRecord>& cards = catalogue.CardTable();
        folded_.reserve(cards.size());
        for (int i = 0; i < int(cards.size()); ++i) {
            exactCodes_[cards[i].Code].push_back(i);
            // A line of blanks and "・" alone folds to nothing and is no code.
            if (const QString code = FoldForSearch(cards[i].Code); !code.isEmpty()) {
                foldedCodes_[code].push_back(i);
            }
            folded_.push_back(FoldForSearch(cards[i].Name));
            if (!folded_.back().isEmpty()) {
                foldedNames_[folded_.back()].push_back(i);
            }
        }
    }

    void Match(QStringView item, ImportLine& line) const {
        const auto blank = std::find_if(item.begin(), item.end(), IsBlank);
        const QStringView head = item.first(blank - item.begin());
        const QStringView rest = item.sliced(head.size()).trimmed();

        std::vector<int> cards = exactCodes_.value(head.toString());
        if (cards.empty()) {
            cards = foldedCodes_.value(FoldForSearch(head));
        }
        if (!cards.empty()) {
            if (cards.size() > 1 && !rest.isEmpty()) {
                const QString name = FoldForSearch(rest);
                std::vector<int> named;
                std::copy_if(cards.begin(), cards.end(), std::back_inserter(named),
                             [&](int card) { return folded_[card] == name; });
                if (!named.empty()) {
                    cards = std::move(named);
                }
            }
            return Set(line, cards.size() == 1 ? ImportStatus::Matched : ImportStatus::Candidates,
                       cards);
        }
        const QString folded = FoldForSearch(item);
        if (const std::vector<int> named = foldedNames_.value(folded); !named.empty()) {
            return Set(line, named.size() == 1 ? ImportStatus::Matched : ImportStatus::Candidates,
                       named);
        }
        // An unknown code before a known name, or a part of a name: for the user to confirm.
        const QString foldedRest = FoldForSearch(rest);
        if (!foldedRest.isEmpty()) {
            if (const std::vector<int> named = foldedNames_.value(foldedRest); !named.empty()) {
                return Set(line, ImportStatus::Candidates, named);
            }
        }
        for (const QString& part : {folded, foldedRest}) {
            if (const std::vector<int> partial = PartialMatches(part); !partial.empty()) {
                return Set(line, ImportStatus::Candidates, partial);
            }
        }
        line.Status = ImportStatus::Unknown;
        line.UnknownText = KeptText(item);
    }

  private:
    // Cards whose folded name holds part or is held in it (a name with a note after it), the
    // names closest in length first.
    std::vector<int> PartialMatches(const QString& part) const {
        std::vector<int> cards;
        if (part.size() < 2 || part.size() > kMaxPartLength) {
            return cards;
        }
        for (int i = 0; i < int(folded_.size()); ++i) {
            if (folded_[i].contains(part) ||
                (folded_[i].size() >= 2 && part.contains(folded_[i]))) {
                cards.push_back(i);
                if (cards.size() > std::size_t(kMaxImportCandidates)) {
                    return {};
                }
            }
        }
        std::stable_sort(cards.begin(), cards.end(), [&](int a, int b) {
            return std::abs(folded_[a].size() - part.size()) <
                   std::abs(folded_[b].size() - part.size());
        });
        return cards;
    }

    void Set(ImportLine& line, ImportStatus status, const std::vector<int>& cards) const {
        line.Status = status;
        for (const int card : cards) {
            line.Cards.append(catalogue_.CardListLine(card));
        }
    }

    const CardCatalogue& catalogue_;
    QHash<QString, std::vector<int>> exactCodes_;
    QHash<QString, std::vector<int>> foldedCodes_;
    QHash<QString, std::vector<int>> foldedNames_;
    std::vector<QString> folded_;  // names, by card
};

void Ignore(ImportLine& line, const QString& reason) {
    line.Status = ImportStatus::Ignored;
    line.Reason = reason;
}

void ParseLine(ImportLine& line, const CardMatcher& matcher, const CardCatalogue& catalogue,
               DeckListImport& import) {
    const QStringView trimmed = QStringView(line.Source).trimmed();
    if (trimmed.isEmpty()) {
        return Ignore(line, QStringLiteral("空行"));
    }
    if (trimmed.size() > kMaxImportLineLength) {
        line.Source = line.Source.left(kShownLongLine) + u'…';
        return Ignore(line, QStringLiteral("長すぎる行"));
    }
    if (IsSeparatorLine(trimmed)) {
        return Ignore(line, QStringLiteral("区切り線"));
    }
    if (IsTotalLine(trimmed)) {
        return Ignore(line, QStringLiteral("合計"));
    }
    if (IsSummaryLine(trimmed, catalogue.FactionNames)) {
        return Ignore(line, QStringLiteral("デッキ構成"));
    }
    if (QString name; ReadDeckNameLabel(trimmed, name)) {
        if (import.DeckName.isEmpty()) {
            import.DeckName = name;
        }
        return Ignore(line, QStringLiteral("デッキ名"));
    }
    if (IsHeading(trimmed)) {
        return Ignore(line, QStringLiteral("見出し"));
    }
    const CountSplit split = SplitCount(trimmed);
    if (split.Count == 0) {
        return Ignore(line, QStringLiteral("0枚"));
    }
    line.Count = split.Count;
    matcher.Match(split.Item, line);
}

// A deck file starts with its name and 80 "-"; this program's clipboard text has the same
// separator only before its total line.
bool IsDeckFileNameLine(const std::vector<ImportLine>& lines, std::size_t index) {
    return index + 1 < lines.size() && lines[index].Source.trimmed() != SeparatorLine() &&
           QStringView(lines[index + 1].Source).trimmed() == SeparatorLine() &&
           !(index + 2 < lines.size() &&
             IsTotalLine(QStringView(lines[index + 2].Source).trimmed()));
}

}  // namespace

DeckListImport ParseDeckList(QStringView text, const CardCatalogue& catalogue) {
    DeckListImport import;
    int more = 0;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = at;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') {
            ++end;
        }
        if (import.Lines.size() < std::size_t(kMaxImportLines)) {
            import.Lines.push_back({});
            import.Lines.back().Source = text.sliced(at, end - at).toString();
        } else {
            ++more;
        }
        at = end + (text.sliced(end).startsWith(u"\r\n") ? 2 : 1);
    }

    const CardMatcher matcher(catalogue);
    std::size_t first = 0;
    while (first < import.Lines.size() && import.Lines[first].Source.trimmed().isEmpty()) {
        ++first;
    }
    for (std::size_t i = 0; i < import.Lines.size(); ++i) {
        ImportLine& line = import.Lines[i];
        if (i == first && IsDeckFileNameLine(import.Lines, i)) {
            import.DeckName = line.Source;
            Ignore(line, QStringLiteral("デッキ名"));
        } else {
            ParseLine(line, matcher, catalogue, import);
        }
    }
    if (more > 0) {
        ImportLine rest;
        rest.Source = QStringLiteral("…");
        Ignore(rest,
               QStringLiteral("残り%1行は読みません（%2行まで）").arg(more).arg(kMaxImportLines));
        import.Lines.push_back(rest);
    }
    return import;
}

ImportedDeck BuildImportedDeck(const DeckListImport& import,
                               const std::vector<ImportChoice>& choices, const QString& keepName) {
    ImportedDeck result;
    result.Value.DeckName = import.DeckName.isEmpty() ? keepName : import.DeckName;
    result.Notes.resize(import.Lines.size());

    struct Sum {
        std::size_t FirstRow;
        int Count;
        bool Merged;
    };
    std::vector<Sum> sums;
    QHash<QString, std::size_t> deckLineOf;
    for (std::size_t row = 0; row < import.Lines.size(); ++row) {
        const ImportLine& line = import.Lines[row];
        const ImportChoice choice = row < choices.size() ? choices[row] : ImportChoice{};
        QString text;
        if (line.Status == ImportStatus::Matched) {
            text = line.Cards.front();
        } else if (line.Status == ImportStatus::Candidates) {
            text =
                line.Cards.value(std::clamp<qsizetype>(choice.Candidate, 0, line.Cards.size() - 1));
        } else if (line.Status == ImportStatus::Unknown && choice.KeepUnknown) {
            text = line.UnknownText;
        } else {
            continue;
        }
        if (const auto found = deckLineOf.constFind(text); found != deckLineOf.cend()) {
            Sum& sum = sums[*found];
            sum.Count = std::min(sum.Count + line.Count, kMaxWrittenCount);
            sum.Merged = true;
            result.Notes[row] = QStringLiteral("%1行目に合算").arg(sum.FirstRow + 1);
            continue;
        }
        deckLineOf.insert(text, result.Value.Lines.size());
        sums.push_back({row, line.Count, false});
        result.Value.Lines.push_back({text, 0});
    }
    // At most kMaxImportLines lines of kCopyLimit copies: the total stays far inside 16 bits.
    for (std::size_t i = 0; i < sums.size(); ++i) {
        const Sum& sum = sums[i];
        const qint16 count = qint16(std::min<int>(sum.Count, kCopyLimit));
        QString& note = result.Notes[sum.FirstRow];
        const QString asked =
            (sum.Merged ? QStringLiteral("計") : QString()) + QStringLiteral("%1枚").arg(sum.Count);
        if (sum.Count > kCopyLimit) {
            note = asked + QStringLiteral(" → %1枚").arg(kCopyLimit);
        } else if (sum.Merged) {
            note = asked;
        }
        result.Value.Lines[i].Count = count;
        result.Value.Total = qint16(result.Value.Total + count);
    }
    return result;
}

QString DecodeDeckListText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? DecodeCp932(bytes) : text;
}

bool ReadDeckListFile(const QString& path, QString& text) {
    QFile file(path);
    if (!OpenRegularFileForReading(file)) {
        return false;
    }
    const QByteArray bytes = file.read(kMaxImportFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxImportFileBytes) {
        return false;
    }
    text = DecodeDeckListText(bytes);
    return true;
}

}  // namespace kestrava
