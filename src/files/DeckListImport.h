// A deck list shared as text (this program's clipboard text, a deck file's content, or lines
// typed as players write them) read line by line against the card list, and the deck it makes.
// Every line comes back with what became of it, so nothing is dropped unseen.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"

namespace kestrava {

enum class ImportStatus {
    Matched,     // 一致: one card, by its code or its whole name
    Candidates,  // 候補: cards that fit, the first the likeliest
    Unknown,     // 不明: no card
    Ignored,     // 無視: no card line at all (blank, header, separator, total, summary)
};

struct ImportLine {
    QString Source;  // the line as it came
    ImportStatus Status = ImportStatus::Ignored;
    QStringList Cards;    // card list lines: the match, or the candidates
    int Count = 0;        // copies asked for, as written (1 when none is written)
    QString UnknownText;  // an unknown line as the deck line it becomes when kept
    QString Reason;       // why a line is ignored, or is unknown without a card to keep
    QString Note;         // what the line holds besides its card and count
};

struct DeckListImport {
    std::vector<ImportLine> Lines;
    QString DeckName;  // the name the text carries (a deck file's first line); empty for none
};

// More lines than a deck list ever has; those past it are shown as one ignored line.
constexpr int kMaxImportLines = 1000;
// A text file bigger than this is no deck list.
constexpr qsizetype kMaxImportFileBytes = 1024 * 1024;
// A partial name that fits more cards than this says too little to offer them.
constexpr int kMaxImportCandidates = 12;

DeckListImport ParseDeckList(QStringView text, const CardCatalogue& catalogue);

// What the user chose for a line: the candidate taken, whether an unknown line is kept, and
// the copies (-1 for the count as written).
struct ImportChoice {
    int Candidate = 0;
    bool KeepUnknown = false;
    int Count = -1;
};

struct ImportedDeck {
    Deck Value;  // lines in the order of the text, counts at most 4, the total
    // Per line: its note in 「」, why an unknown line has no card, added to an earlier line, or
    // cut to 4.
    std::vector<QString> Notes;
};

// The deck the lines make with choices (one per line): lines for the same card add up and a
// card gets at most kCopyLimit copies. The deck is named as the text names it, else keepName.
ImportedDeck BuildImportedDeck(const DeckListImport& import,
                               const std::vector<ImportChoice>& choices, const QString& keepName);

// A text file's bytes as text: UTF-8 when they are valid UTF-8, else code page 932.
QString DecodeDeckListText(QByteArrayView bytes);

// Text from the clipboard bounded as a file is: when its UTF-8 is past kMaxImportFileBytes,
// the whole lines within it. readBytes is how much of it that is.
QString BoundedDeckListText(const QString& text, qsizetype& readBytes);

// Reads the regular file at path, of at most kMaxImportFileBytes, into text; false, text
// untouched, when it cannot be read or is bigger.
bool ReadDeckListFile(const QString& path, QString& text);

}  // namespace kestrava
