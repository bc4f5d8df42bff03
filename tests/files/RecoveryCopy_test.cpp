// Recovery copies: a running program's copy is never taken by another, and a copy left behind
// is read back exactly with its file path.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "files/RecoveryCopy.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

const Deck kDeck{u"復旧デッキ"_s, {{u"G001 アルファ"_s, 3}, {u"Z999 不明"_s, 1}}, 4};

TEST(RecoveryCopy, CopiesOfRunningProgramsAreNeverTaken) {
    QTemporaryDir dir;
    RecoveryCopy first(dir.path());
    RecoveryCopy second(dir.path());
    ASSERT_TRUE(first.Write(kDeck, {}, DefaultFactionNames(), u"/d/a.dek"_s));
    ASSERT_TRUE(second.Write(Deck{}, {}, DefaultFactionNames(), {}));
    EXPECT_NE(first.Folder(), second.Folder());
    EXPECT_TRUE(TakeLeftCopies(dir.path()).empty());
    const QString removed = second.Folder();
    second.Remove();
    EXPECT_FALSE(QDir(removed).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

// The last write's deck and path; held while this program decides, gone once discarded.
TEST(RecoveryCopy, LeftCopyReadsBackWithItsFilePath) {
    QTemporaryDir dir;
    {
        RecoveryCopy copy(dir.path());
        ASSERT_TRUE(copy.Write(Deck{}, {}, DefaultFactionNames(), u"/old.dek"_s));
        ASSERT_TRUE(copy.Write(kDeck, {}, DefaultFactionNames(), u"/d/デッキ.dek"_s));
    }  // gone without removing its copy, as a crashed program
    std::vector<LeftCopy> left = TakeLeftCopies(dir.path());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(TakeLeftCopies(dir.path()).empty());
    Deck deck;
    DeckTallies tallies;
    QString path;
    ASSERT_TRUE(ReadLeftCopy(left[0], CardCatalogue(), deck, tallies, path));
    EXPECT_TRUE(deck == kDeck);
    EXPECT_EQ(path, u"/d/デッキ.dek"_s);
    DiscardLeftCopy(left[0]);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace kestrava
