#include "deck/DeckEditing.h"

#include <optional>

#include "deck/Checked16.h"

namespace kestrava {

namespace {

int FindLine(const Deck& deck, const QString& text) {
    for (std::size_t i = 0; i < deck.Lines.size(); ++i) {
        if (deck.Lines[i].Text == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<qint16> SumOfCounts(const std::vector<DeckLine>& lines) {
    qint16 sum = 0;
    for (const DeckLine& line : lines) {
        const std::optional<qint16> next = CheckedAdd16(sum, line.Count);
        if (!next) {
            return std::nullopt;
        }
        sum = *next;
    }
    return sum;
}

bool ValidIndex(const Deck& deck, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < deck.Lines.size();
}

}  // namespace

DeckChange AddCopies(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue,
                     const QString& line, qint16 requested) {
    // Worked out on a copy and committed at the end, so an overflow anywhere leaves the deck
    // and the tallies as they were.
    std::vector<DeckLine> lines = deck.Lines;
    DeckChange change;
    std::optional<qint16> added;

    const int index = FindLine(deck, line);
    if (index >= 0) {
        DeckLine& found = lines[index];
        if (found.Count < kCopyLimit) {
            const std::optional<qint16> sum = CheckedAdd16(found.Count, requested);
            if (!sum) {
                return {};
            }
            if (*sum > kCopyLimit) {
                added = static_cast<qint16>(kCopyLimit - found.Count);
                found.Count = kCopyLimit;
            } else {
                added = requested;
                found.Count = *sum;
            }
        }
    } else {
        lines.push_back({line, requested});
        added = requested;
        change.LineAppended = true;
    }

    const std::optional<qint16> total = SumOfCounts(lines);
    if (!total) {
        return {};
    }
    // TallyCard changes nothing when it fails, so it goes last, just before the commit.
    if (added && !TallyCard(tallies, catalogue, line, *added)) {
        return {};
    }

    change.Changed = change.LineAppended || (added && *added != 0) || *total != deck.Total;
    deck.Lines = std::move(lines);
    deck.Total = *total;
    return change;
}

DeckChange RemoveOneCopy(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue,
                         int index) {
    if (!ValidIndex(deck, index)) {
        return {};
    }
    DeckLine& line = deck.Lines[index];
    if (line.Count <= 0) {
        // One fewer than none is no count: the line goes, as one that reaches 0 does.
        return RemoveLine(deck, tallies, catalogue, index);
    }
    const std::optional<qint16> total = CheckedSub16(deck.Total, 1);
    const std::optional<qint16> count = CheckedSub16(line.Count, 1);
    if (!total || !count || !TallyCard(tallies, catalogue, line.Text, -1)) {
        return {};
    }

    DeckChange change;
    change.Changed = true;
    deck.Total = *total;
    line.Count = *count;
    if (line.Count == 0) {
        deck.Lines.erase(deck.Lines.begin() + index);
        change.LineRemoved = true;
    }
    return change;
}

DeckChange RemoveLine(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue, int index) {
    if (!ValidIndex(deck, index)) {
        return {};
    }
    const DeckLine& line = deck.Lines[index];
    const std::optional<qint16> amount = CheckedSub16(0, line.Count);
    const std::optional<qint16> total = CheckedSub16(deck.Total, line.Count);
    if (!amount || !total || !TallyCard(tallies, catalogue, line.Text, *amount)) {
        return {};
    }

    deck.Total = *total;
    deck.Lines.erase(deck.Lines.begin() + index);
    DeckChange change;
    change.Changed = true;
    change.LineRemoved = true;
    return change;
}

void RecountTallies(DeckTallies& tallies, const Deck& deck, const CardCatalogue& catalogue) {
    ResetTallies(tallies);
    for (const DeckLine& line : deck.Lines) {
        if (!TallyCard(tallies, catalogue, line.Text, line.Count)) {
            return;
        }
    }
}

bool AppendLoadedLine(Deck& deck, DeckTallies& tallies, const CardCatalogue& catalogue,
                      const QString& text, qint16 count) {
    const std::optional<qint16> total = CheckedAdd16(deck.Total, count);
    if (!total) {
        return false;
    }
    if (!TallyCard(tallies, catalogue, text, count)) {
        return false;
    }
    deck.Lines.push_back({text, count});
    deck.Total = *total;
    return true;
}

}  // namespace kestrava
