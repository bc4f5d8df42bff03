#include "files/DeckListImport.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "catalogue/StringTable.h"
#include "deck/DeckEditing.h"
#include "files/DeckCode.h"
#include "files/DeckLineLayout.h"
#include "platform/Cp932.h"
#include "platform/Folding.h"
#include "platform/TextFile.h"

namespace kestrava {

namespace {

using namespace Qt::Literals::StringLiterals;

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

int ParseDigits(QStringView digits) {
    int value = 0;
    for (const QChar c : digits) {
        if (DigitValue(c) >= 0) {
            value = std::min(value * 10 + DigitValue(c), kMaxWrittenCount);
        }
    }
    return value;
}

// Digits of any script: another number beside the card.
bool HasDigit(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// A line taken apart: the card's part, the count written before or after it, and what follows
// the count (a note).
struct CountSplit {
    QString Item;
    QString Note;
    int Count = 1;
    bool Negative = false;
};

constexpr auto kPatternOptions = QRegularExpression::UseUnicodePropertiesOption;

// The ways a count follows the card, its digits (and sign) the first group.
const std::array<QRegularExpression, 7>& CountsAfterTheCard() {
    static const std::array<QRegularExpression, 7> patterns = {
        // "× 4", "x4", "*4", "×4枚", "×-2", "x -1"; not the x of a word ("Box2")
        QRegularExpression(
            uR"((?:[×*＊✕✖]|(?<![A-Za-zＡ-Ｚａ-ｚ])[xXｘＸ])\s*(-?[0-9０-９]+)(?:\s*枚)?)"_s,
            kPatternOptions),
        // "(4)", "（２枚）"
        QRegularExpression(uR"([(（]\s*(-?[0-9０-９]+)\s*枚?\s*[)）])"_s, kPatternOptions),
        // "：4"
        QRegularExpression(uR"([:：]\s*(-?[0-9０-９]+)(?:\s*枚)?)"_s, kPatternOptions),
        // ",4" as a field of comma-separated values
        QRegularExpression(uR"([,，]\s*(-?[0-9０-９]+)\s*枚?\s*(?=$|[,，]))"_s, kPatternOptions),
        // "4枚", its digits not the end of a code ("G-001")
        QRegularExpression(uR"((?<![A-Za-z0-9Ａ-Ｚａ-ｚ０-９\-])(-?[0-9０-９]+)\s*枚)"_s,
                           kPatternOptions),
        // " 4x"
        QRegularExpression(uR"((?<=\s)([0-9０-９]+)\s*[xXｘＸ×](?=\s|$))"_s, kPatternOptions),
        // " 4" ending the line
        QRegularExpression(uR"((?<=\s)(-?[0-9０-９]+)$)"_s, kPatternOptions),
    };
    return patterns;
}

// The first count after some text: of all the ways, the one that starts first.
bool SplitCountAfter(const QString& line, CountSplit& split) {
    QRegularExpressionMatch first;
    for (const QRegularExpression& pattern : CountsAfterTheCard()) {
        for (auto found = pattern.globalMatch(line); found.hasNext();) {
            const QRegularExpressionMatch match = found.next();
            if (QStringView(line).first(match.capturedStart()).trimmed().isEmpty()) {
                continue;
            }
            if (!first.hasMatch() || match.capturedStart() < first.capturedStart()) {
                first = match;
            }
            break;
        }
    }
    if (!first.hasMatch()) {
        return false;
    }
    split.Item = line.first(first.capturedStart()).trimmed();
    split.Note = line.sliced(first.capturedEnd()).trimmed();
    const QStringView digits = first.capturedView(1);
    split.Negative = digits.startsWith(u'-');
    split.Count = ParseDigits(digits);
    // A row of comma-separated values: its fields are the words of the card.
    if (first.captured(0).front() == u',' || first.captured(0).front() == u'，') {
        split.Item.replace(u',', u' ').replace(u'，', u' ');
        split.Item = split.Item.simplified();
    }
    return true;
}

// "4 item", "4× item", "4x item", "4枚 item", "4, item", "4：item", "×4 item", "x4 item".
bool SplitCountBefore(QStringView line, CountSplit& split) {
    const auto skipBlanks = [&](qsizetype at) {
        while (at < line.size() && IsBlank(line[at])) {
            ++at;
        }
        return at;
    };
    const bool marked =
        !line.isEmpty() && (IsSymbolMultiplier(line[0]) || IsLetterMultiplier(line[0]));
    const qsizetype start = marked ? skipBlanks(1) : 0;
    qsizetype digits = start;
    while (digits < line.size() && DigitValue(line[digits]) >= 0) {
        ++digits;
    }
    if (digits == start) {
        return false;
    }
    qsizetype item = skipBlanks(digits);
    if (item < line.size() && line[item] == u'枚') {
        item = skipBlanks(item + 1);
    }
    if (!marked && item < line.size()) {
        const QChar mark = line[item];
        if (IsSymbolMultiplier(mark) || mark == u',' || mark == u'，' || mark == u':' ||
            mark == u'：' ||
            // "3xC-001" or "3 x C-001", but not "3 xeno".
            (IsLetterMultiplier(mark) &&
             (item == digits || (item + 1 < line.size() && IsBlank(line[item + 1]))))) {
            item = skipBlanks(item + 1);
        }
    }
    // "100年" is a name, not a count; "x4C" no count either.
    if (item == digits || item == line.size()) {
        return false;
    }
    split.Item = line.sliced(item).trimmed().toString();
    split.Count = ParseDigits(line.sliced(start, digits - start));
    return true;
}

CountSplit SplitCount(const QString& line) {
    CountSplit split;
    if (!SplitCountAfter(line, split) && !SplitCountBefore(line, split)) {
        split.Item = line;
    }
    return split;
}

// "40枚", "40": a count of nothing.
bool IsCountOnly(QStringView line) {
    static const QRegularExpression count(uR"(^[0-9０-９]+\s*枚?$)"_s, kPatternOptions);
    return count.match(line.toString()).hasMatch();
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
        QStringLiteral(
            R"(^(?:total|合計枚数|合計|計)\s*[:：=＝]?\s*[0-9０-９]+\s*(?:枚|cards?)?$)"),
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
    static const QString kHeadingMarks = QStringLiteral("#■◆●◇□");
    if (kHeadingMarks.contains(line.front()) || line.startsWith(u"//") || line.endsWith(u':') ||
        line.endsWith(u'：')) {
        return true;
    }
    return std::any_of(std::begin(kBrackets), std::end(kBrackets), [&](const auto& pair) {
        return line.size() >= 2 && line.front() == pair.first && line.back() == pair.second;
    });
}

// A section of a deck list, a card type or a faction, as a heading ("英雄 (3)", "兵力：20").
bool IsHeadingWord(const QString& item, const FactionNameList& factionNames) {
    static const QSet<QString> kSections = [] {
        QSet<QString> words;
        for (const char16_t* word :
             {u"メインデッキ", u"サイドデッキ", u"エクストラデッキ", u"デッキ", u"メイン",
              u"サイド", u"main deck", u"side deck", u"deck", u"main", u"side", u"sideboard",
              u"合計", u"計", u"total"}) {
            words.insert(FoldForSearch(word));
        }
        return words;
    }();
    const QString folded = FoldForSearch(item);
    if (folded.isEmpty()) {
        return false;
    }
    if (kSections.contains(folded)) {
        return true;
    }
    for (int word = kWordHero; word <= kWordCastle; ++word) {
        if (FoldForSearch(LoadWord(word)) == folded) {
            return true;
        }
    }
    return std::any_of(factionNames.begin(), factionNames.end(),
                       [&](const QString& name) { return FoldForSearch(name) == folded; });
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
// the folded code or whole name, and, with less certainty, by a part of the name. What the
// item holds past the card's code and name becomes the line's note.
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
            longestName_ = std::max(longestName_, cards[i].Name.size());
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
            // The name after the code tells cards with one code apart; the rest is a note.
            QStringView note = rest;
            const auto isName = [&](const QString& name) {
                return std::any_of(cards.begin(), cards.end(),
                                   [&](int card) { return folded_[card] == name; });
            };
            if (const qsizetype end = NameEnd(rest, isName); end > 0) {
                const QString name = FoldForSearch(rest.first(end));
                cards.erase(std::remove_if(cards.begin(), cards.end(),
                                           [&](int card) { return folded_[card] != name; }),
                            cards.end());
                note = rest.sliced(end).trimmed();
            }
            line.Note = note.toString();
            return Set(line, cards.size() == 1 ? ImportStatus::Matched : ImportStatus::Candidates,
                       cards);
        }
        const QString folded = FoldForSearch(item);
        if (const std::vector<int> named = foldedNames_.value(folded); !named.empty()) {
            return Set(line, named.size() == 1 ? ImportStatus::Matched : ImportStatus::Candidates,
                       named);
        }
        // A whole name with a note after it.
        const auto isName = [&](const QString& name) { return foldedNames_.contains(name); };
        if (const qsizetype end = NameEnd(item, isName); end > 0) {
            const std::vector<int> named = foldedNames_.value(FoldForSearch(item.first(end)));
            line.Note = item.sliced(end).trimmed().toString();
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
    // The length of the longest start of text that folds to a name isName takes and ends a
    // word (the end, a blank or a mark follows); 0 for none. A name is looked for only as long
    // as the longest card's, with room for blanks.
    template <typename IsName>
    qsizetype NameEnd(QStringView text, const IsName& isName) const {
        for (qsizetype end = std::min(text.size(), 2 * longestName_ + 8); end > 0; --end) {
            if ((end == text.size() || !text[end].isLetterOrNumber()) &&
                isName(FoldForSearch(text.first(end)))) {
                return end;
            }
        }
        return 0;
    }

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
    qsizetype longestName_ = 0;
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
    if (IsCountOnly(trimmed)) {
        return Ignore(line, QStringLiteral("枚数のみ"));
    }
    const CountSplit split = SplitCount(trimmed.toString());
    if (IsHeadingWord(split.Item, catalogue.FactionNames)) {
        return Ignore(line, QStringLiteral("見出し"));
    }
    if (split.Negative) {
        line.Status = ImportStatus::Unknown;
        line.Reason = QStringLiteral("マイナスの枚数");
        return;
    }
    if (split.Count == 0) {
        return Ignore(line, QStringLiteral("0枚"));
    }
    line.Count = split.Count;
    matcher.Match(split.Item, line);
    line.Note = QStringList{line.Note, split.Note}.join(u' ').trimmed();
    // Another number beside the card may be the count the player meant.
    if (line.Status == ImportStatus::Matched && HasDigit(line.Note)) {
        line.Status = ImportStatus::Candidates;
    }
}

// A deck file starts with its name and 80 "-"; this program's clipboard text has the same
// separator only before its total line.
bool IsDeckFileNameLine(const std::vector<ImportLine>& lines, std::size_t index) {
    return index + 1 < lines.size() && lines[index].Source.trimmed() != SeparatorLine() &&
           QStringView(lines[index + 1].Source).trimmed() == SeparatorLine() &&
           !(index + 2 < lines.size() &&
             IsTotalLine(QStringView(lines[index + 2].Source).trimmed()));
}

void AddNote(QString& notes, const QString& note) {
    notes += (notes.isEmpty() ? QString() : QStringLiteral("　")) + note;
}

}  // namespace

DeckListImport ParseDeckList(QStringView text, const CardCatalogue& catalogue) {
    DeckListImport import;
    // A byte-order mark a clipboard text may carry (a file's is gone in its decoding).
    if (text.startsWith(u'\uFEFF')) {
        text = text.sliced(1);
    }
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
    const bool deckFile = IsDeckFileNameLine(import.Lines, first);
    std::vector<ImportLine> lines;
    lines.reserve(import.Lines.size());
    for (std::size_t i = 0; i < import.Lines.size(); ++i) {
        ImportLine& line = lines.emplace_back(std::move(import.Lines[i]));
        DeckCodeContent code;
        QString reason;
        const DeckCodeReading reading =
            deckFile ? DeckCodeReading::NotACode : ReadDeckCode(line.Source, code, reason);
        if (i == first && deckFile) {
            import.DeckName = line.Source;
            Ignore(line, QStringLiteral("デッキ名"));
        } else if (reading == DeckCodeReading::Refused) {
            line.Status = ImportStatus::Unknown;
            line.Reason = reason;
        } else if (reading == DeckCodeReading::Read) {
            // The code's lines follow it, read as the card code and count they are.
            Ignore(line, QStringLiteral("デッキコード"));
            if (import.DeckName.isEmpty()) {
                import.DeckName = code.DeckName;
            }
            for (const DeckCodeEntry& entry : code.Entries) {
                ImportLine& codeLine = lines.emplace_back();
                codeLine.Source = entry.Code + QStringLiteral(" ×") + QString::number(entry.Count);
                ParseLine(codeLine, matcher, catalogue, import);
            }
        } else {
            ParseLine(line, matcher, catalogue, import);
        }
    }
    import.Lines = std::move(lines);
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
        if (line.Status == ImportStatus::Ignored) {
            continue;
        }
        if (!line.Reason.isEmpty()) {
            result.Notes[row] = line.Reason;
        } else if (!line.Note.isEmpty()) {
            result.Notes[row] = u'「' + line.Note + u'」';
        }
        const int count = choice.Count >= 0 ? choice.Count : line.Count;
        QString text;
        if (count == 0) {
            continue;
        }
        if (line.Status == ImportStatus::Matched) {
            text = line.Cards.front();
        } else if (line.Status == ImportStatus::Candidates) {
            text =
                line.Cards.value(std::clamp<qsizetype>(choice.Candidate, 0, line.Cards.size() - 1));
        } else if (line.Status == ImportStatus::Unknown && choice.KeepUnknown &&
                   !line.UnknownText.isEmpty()) {
            text = line.UnknownText;
        } else {
            continue;
        }
        if (const auto found = deckLineOf.constFind(text); found != deckLineOf.cend()) {
            Sum& sum = sums[*found];
            sum.Count = std::min(sum.Count + count, kMaxWrittenCount);
            sum.Merged = true;
            AddNote(result.Notes[row], QStringLiteral("%1行目に合算").arg(sum.FirstRow + 1));
            continue;
        }
        deckLineOf.insert(text, result.Value.Lines.size());
        sums.push_back({row, count, false});
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
            AddNote(note, asked + QStringLiteral(" → %1枚").arg(kCopyLimit));
        } else if (sum.Merged) {
            AddNote(note, asked);
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

QString BoundedDeckListText(const QString& text, qsizetype& readBytes) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= kMaxImportFileBytes) {
        readBytes = bytes.size();
        return text;
    }
    // Cut at the last line end that fits: no half line, no half character.
    bytes.truncate(kMaxImportFileBytes);
    const qsizetype lineEnd = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
    bytes.truncate(lineEnd + 1);
    readBytes = bytes.size();
    return QString::fromUtf8(bytes);
}

}  // namespace kestrava
