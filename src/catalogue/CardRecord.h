// One card of the card list, the table of loaded cards, the faction names and the words that
// classify cards by type and rarity.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <vector>

namespace kestrava {

struct CardRecord {
    QString Code;
    QString Faction;
    QString Name;
    QString Illustrator;
    QString CardType;
    QString SubType;
    QString Rarity;
    qint16 CostSymbols = 0;
    qint16 CostValue = 0;
    qint16 Upkeep = 0;
    QString SortieCost;
    QString Charge;
    QString Trample;
    QString Counter;
    qint16 Shooting = 0;
    qint16 Siege = 0;
    qint16 Plunder = 0;
    QString UpperText;
    QString LowerText;
    QString StatsText;
    qint16 Attack = 0;
    qint16 Defense = 0;
    qint16 Speed = 0;
    qint16 Gear = 0;
    QString CastleText;
    QString Formation1;
    QString Grid1;
    QString Formation2;
    QString Grid2;
    QString Ambush;
    QString Scout;
    QString Flank;
};

constexpr int kCardTableSize = 1025;
// The longest card list line (code, blank, name) a card may have, and so the longest text of a
// deck line: every list shows such lines, and a list of longer ones is slow to lay out.
constexpr int kMaxCardLineLength = 1024;
constexpr int kFactionCount = 5;

// The faction letters in the order every rule tests them.
inline constexpr std::array<char16_t, kFactionCount> kFactionLetters = {u'C', u'D', u'E', u'G',
                                                                        u'M'};

// Faction names by letter position (C, D, E, G, M).
using FactionNameList = std::array<QString, kFactionCount>;

// The names the program starts with.
FactionNameList DefaultFactionNames();

// Index into kFactionLetters of the letter code begins with, or -1 (case-sensitive; an empty
// code and any other first character have no faction).
int FactionIndexOfCode(QStringView code);

// The faction text stored in a record: the name of its letter, else "UNKNOWN".
QString FactionOfCode(QStringView code, const FactionNameList& names);

// The loaded cards, indexed as they come in (by code, with their list lines and list order),
// however they come in: every lookup is the same code path.
class CardCatalogue {
  public:
    FactionNameList FactionNames = DefaultFactionNames();

    // The loaded records, CardTable()[0] to CardTable()[CardCount() - 1], in file order.
    const std::vector<CardRecord>& CardTable() const { return cards_; }
    qint16 CardCount() const { return static_cast<qint16>(cards_.size()); }

    // Appends a card; false, changing nothing, when the table holds kCardTableSize cards.
    bool AddCard(CardRecord card);
    // Replaces every card with the first kCardTableSize of cards.
    void ReplaceCards(std::vector<CardRecord> cards);

    // Index of the first loaded record whose code equals code exactly, or -1.
    int FindCardIndexByCode(QStringView code) const;
    // The same record, or nullptr.
    const CardRecord* FindCardByCode(QStringView code) const;

    // The card list line of loaded record index: code, one blank, name.
    const QString& CardListLine(int index) const { return lines_[index]; }
    // The indexes of the loaded records in ascending order of their list lines (table order
    // among equal lines).
    const std::vector<int>& ListOrder() const { return listOrder_; }
    // Changes with every change of the cards, to a number no other catalogue's cards had, so
    // what is built from the cards can tell whether it is still theirs. 0 before the first.
    quint64 Revision() const { return revision_; }

  private:
    // Indexes the records from first on, those before it being indexed already.
    void IndexFrom(int first);

    std::vector<CardRecord> cards_;
    QHash<QString, int> codeIndex_;
    QStringList lines_;
    std::vector<int> listOrder_;
    quint64 revision_ = 0;
};

// The card list line of a record: code, one blank, name.
QString CardListLine(const CardRecord& card);

// The code of a card list or deck line: its text before the first blank (the whole text when
// there is none).
QStringView CodeOfLine(QStringView line);

}  // namespace kestrava
