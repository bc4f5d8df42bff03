// fuzz_card_list: arbitrary bytes as the card list file. The loader must stay inside the
// table, give the same result every time, and keep exactly the usable lines before the
// first unusable one.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "ReferenceLines.h"
#include "catalogue/CardList.h"
#include "platform/Cp932.h"

namespace kestrava::fuzz {
namespace {

// Enough repetitions of a short line to run into the end of the table.
constexpr int kCopies = kCardTableSize + 75;
constexpr qsizetype kMaxFileBytes = 96 * 1024;

auto Fields(const CardRecord& r) {
    return std::tie(r.Code, r.Faction, r.Name, r.Illustrator, r.CardType, r.SubType, r.Rarity,
                    r.CostSymbols, r.CostValue, r.Upkeep, r.SortieCost, r.Charge, r.Trample,
                    r.Counter, r.Shooting, r.Siege, r.Plunder, r.UpperText, r.LowerText,
                    r.StatsText, r.Attack, r.Defense, r.Speed, r.Gear, r.CastleText, r.Formation1,
                    r.Grid1, r.Formation2, r.Grid2, r.Ambush, r.Scout, r.Flank);
}

// How many cards a correct loader keeps: the leading lines that parse, up to the table size.
int ExpectedCardCount(const QByteArray& bytes, const FactionNameList& names) {
    int count = 0;
    CardRecord scratch;
    for (const QByteArray& line : SplitLines(bytes)) {
        if (count == kCardTableSize || !ParseCardLine(DecodeCp932(line), scratch, names)) {
            break;
        }
        ++count;
    }
    return count;
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;
    static const QString path = FuzzFilePath(QStringLiteral("kestrava.csv"));
    // One catalogue for the whole run, returned to its fresh state after every input: a new
    // 1025-record table per input would cost more than the load itself.
    static CardCatalogue catalogue;

    const QByteArray bytes = ExpandInput(data, size, kCopies, kMaxFileBytes);
    WriteFuzzFile(path, bytes);

    FUZZ_CHECK(LoadCardList(catalogue, path) == CardListLoad::Loaded);
    const int count = catalogue.CardCount;
    FUZZ_CHECK(count >= 0 && count <= kCardTableSize);
    FUZZ_CHECK(catalogue.CardTable.size() == std::size_t(kCardTableSize));
    for (int i = 0; i < count; ++i) {
        const CardRecord& card = catalogue.CardTable[i];
        FUZZ_CHECK(!card.Code.contains(u','));
        FUZZ_CHECK(card.Faction == FactionOfCode(card.Code, catalogue.FactionNames));
    }
    FUZZ_CHECK(count == ExpectedCardCount(bytes, catalogue.FactionNames));

    // A second load over the leftovers of the first must not be influenced by them.
    const std::vector<CardRecord> loaded(catalogue.CardTable.begin(),
                                         catalogue.CardTable.begin() + count);
    FUZZ_CHECK(LoadCardList(catalogue, path) == CardListLoad::Loaded);
    FUZZ_CHECK(catalogue.CardCount == count);
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(Fields(catalogue.CardTable[i]) == Fields(loaded[i]));
    }

    // A load touches the records it keeps and at most the one after them.
    for (int i = 0; i <= count && i < kCardTableSize; ++i) {
        catalogue.CardTable[i] = CardRecord();
    }
    catalogue.CardCount = 0;
    return 0;
}
