// fuzz_card_list: arbitrary bytes as the card list file. The loader must stay inside the
// table, give the same result every time, keep exactly the usable lines before the first
// unusable one, and change nothing when the device fails part way.
#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReferenceLines.h"
#include "catalogue/CardList.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace kestrava::fuzz {
namespace {

// Enough repetitions of a short line to run into the end of the table. Far below
// kMaxLineBytes, so no line is ever too long.
constexpr int kCopies = kCardTableSize + 75;
constexpr qsizetype kMaxFileBytes = 96 * 1024;
static_assert(kMaxFileBytes < kMaxLineBytes);

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
    for (QByteArrayView line : SplitLines(bytes).Lines) {
        if (count == kCardTableSize || !ParseCardLine(DecodeCp932(line), scratch, names)) {
            break;
        }
        ++count;
    }
    return count;
}

CardListLoad Load(CardCatalogue& catalogue, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    return LoadCardList(catalogue, buffer);
}

void CheckSameCards(const CardCatalogue& catalogue, const std::vector<CardRecord>& cards) {
    FUZZ_CHECK(catalogue.CardCount() == qsizetype(cards.size()));
    FUZZ_CHECK(catalogue.CardTable().size() == std::size_t(catalogue.CardCount()));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        FUZZ_CHECK(Fields(catalogue.CardTable()[i]) == Fields(cards[i]));
    }
}

}  // namespace
}  // namespace kestrava::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kestrava;
    using namespace kestrava::fuzz;
    // Two catalogues for the whole run, each holding what an earlier input left, and the cards
    // the second should hold. A load builds a 1025-record table, which costs more than the
    // parsing: so each input loads twice, no more.
    static CardCatalogue catalogue;
    static CardCatalogue other;
    static std::vector<CardRecord> otherCards;

    QByteArray bytes = ExpandInput(data, size, kCopies, kMaxFileBytes);
    FUZZ_CHECK(Load(catalogue, bytes) == CardListLoad::Loaded);
    const int count = catalogue.CardCount();
    FUZZ_CHECK(count >= 0 && count <= kCardTableSize);
    FUZZ_CHECK(catalogue.CardTable().size() == std::size_t(catalogue.CardCount()));
    for (int i = 0; i < count; ++i) {
        const CardRecord& card = catalogue.CardTable()[i];
        FUZZ_CHECK(!card.Code.contains(u','));
        FUZZ_CHECK(card.Faction == FactionOfCode(card.Code, catalogue.FactionNames));
        FUZZ_CHECK(catalogue.FindCardIndexByCode(card.Code) <= i);
    }
    FUZZ_CHECK(count == ExpectedCardCount(bytes, catalogue.FactionNames));
    const std::vector<CardRecord> loaded(catalogue.CardTable().begin(),
                                         catalogue.CardTable().begin() + count);

    // A second load into the other catalogue, from a device that fails part way when the last
    // byte is 128 or more. A read error before the loader has seen the line that ends its
    // reading changes nothing; one after it is never read. Otherwise the cards held before
    // have no influence.
    const int choice = size == 0 ? 0 : data[size - 1];
    const qsizetype failAfter =
        choice < 128 ? bytes.size() + 1 : (choice - 128) * bytes.size() / 127;
    bool readsToEnd = true;
    if (failAfter <= bytes.size()) {
        const std::size_t whole =
            WholeLinesBefore(QByteArrayView(bytes).first(failAfter)).Lines.size();
        readsToEnd = whole >= std::size_t(count) + (count < kCardTableSize ? 1 : 0);
    }
    FailingDevice device(bytes, failAfter);
    if (readsToEnd) {
        FUZZ_CHECK(LoadCardList(other, device) == CardListLoad::Loaded);
        CheckSameCards(other, loaded);
        otherCards = loaded;
    } else {
        FUZZ_CHECK(LoadCardList(other, device) == CardListLoad::ReadFailed);
        CheckSameCards(other, otherCards);
    }
    return 0;
}
