// The recent-decks list: newest first, each file once however its path is written, nine at
// most, captions that tell two files of one name apart, and the list read back from the
// settings file as the program keeps it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <vector>

#include "files/RecentDecks.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

QStringList Numbered(int from, int to) {
    QStringList decks;
    for (int n = from; n <= to; ++n) {
        decks << u"/d/%1.dek"_s.arg(n);
    }
    return decks;
}

// One real deck file reached by several paths, and one that is gone.
class RecentDecks : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(u"real/sub"_s));
        test::WriteBytes(deck_, "");
#ifdef Q_OS_UNIX
        ASSERT_TRUE(QFile::link(dir_.filePath(u"real"_s), dir_.filePath(u"link"_s)));
#endif
    }

    QTemporaryDir dir_;
    const QString deck_ = dir_.filePath(u"real/a.dek"_s);
    const QString viaDots_ = dir_.filePath(u"real/sub/../a.dek"_s);
    const QString viaLink_ = dir_.filePath(u"link/a.dek"_s);
    const QString gone_ = dir_.filePath(u"real/gone.dek"_s);
    const QString goneViaDots_ = dir_.filePath(u"real/none/../gone.dek"_s);
};

struct ListChange {
    const char* Name;
    QStringList Before;
    bool Add;  // or remove
    QString Path;
    QStringList After;
};

TEST_F(RecentDecks, AddedInFrontOnceNineAtMostOrRemoved) {
    const QString a = u"/d/a.dek"_s, b = u"/d/b.dek"_s, c = u"/d/c.dek"_s;
    std::vector<ListChange> cases = {
        {"newest first", {a}, true, b, {b, a}},
        {"again: moved to the front", {a, b, c}, true, c, {c, a, b}},
        {"another folder, same name", {a}, true, u"/e/a.dek"_s, {u"/e/a.dek"_s, a}},
        {"tenth: the oldest goes", Numbered(1, 9), true, u"/d/0.dek"_s, Numbered(0, 8)},
        {"ninth again: none goes", Numbered(1, 9), true, u"/d/9.dek"_s,
         QStringList{u"/d/9.dek"_s} + Numbered(1, 8)},
        {"removed", {a, b, c}, false, b, {a, c}},
        {"one file through \"..\": the newer path", {deck_, b}, true, viaDots_, {viaDots_, b}},
        {"a file gone, through \"..\"", {gone_, b}, true, goneViaDots_, {goneViaDots_, b}},
    };
#ifdef Q_OS_UNIX
    cases.push_back(
        {"one file through a linked folder", {b, deck_}, true, viaLink_, {viaLink_, b}});
    cases.push_back({"removed by another path", {viaLink_, b}, false, viaDots_, {b}});
#endif
    for (const ListChange& change : cases) {
        EXPECT_EQ(change.Add ? WithRecentDeck(change.Before, change.Path)
                             : WithoutRecentDeck(change.Before, change.Path),
                  change.After)
            << change.Name;
    }
}

// Entries joined by "|".
QStringList Split(const char* joined) {
    return *joined == 0 ? QStringList() : QString::fromUtf8(joined).split(u'|');
}

struct Captions {
    const char* Name;
    const char* Decks;
    const char* Shown;
};

TEST_F(RecentDecks, CaptionsTellFilesOfOneNameApart) {
    std::vector<Captions> cases = {
        {"none", "", ""},
        {"names alone", "/d/a.dek|/e/b.dek", "&1 a.dek|&2 b.dek"},
        {"no mnemonic", "/d/R&D.dek", "&1 R&&D.dek"},
        {"each as far as it must", "/x/d/a|/y/d/a|/y/o/a", "&1 a (x/d)|&2 a (y/d)|&3 a (o)"},
        {"folders cleaned", "/x/sub/../a|/y/a", "&1 a (x)|&2 a (y)"},
        {"no mnemonic in a folder", "/R&D/a|/x/a", "&1 a (R&&D)|&2 a (x)"},
    };
#ifdef Q_OS_UNIX
    // Windows shows a drive here, and takes names in any case (its own test below).
    cases.insert(cases.end(),
                 {{"names differ in case", "/d/a.dek|/e/A.dek", "&1 a.dek|&2 A.dek"},
                  {"one folder the end of the other", "/d/a|/x/d/a", "&1 a (/d)|&2 a (x/d)"},
                  {"the root", "/a|/x/a", "&1 a (/)|&2 a (x)"},
                  {"one path twice", "/x/a|/x/a", "&1 a (/x)|&2 a (/x)"}});
#endif
    for (const Captions& captions : cases) {
        EXPECT_EQ(RecentDeckCaptions(Split(captions.Decks)),
                  Split(captions.Shown).replaceInStrings(u"/"_s, QString(QDir::separator())))
            << captions.Name;
    }
}

#ifdef Q_OS_WIN
// Windows finds a file by its name in any case: one file is one entry, and two names that
// differ only in case are told apart by their folders.
TEST_F(RecentDecks, NamesInAnotherCaseAreOneFileOnWindows) {
    EXPECT_EQ(WithRecentDeck({u"C:/Decks/a.dek"_s, u"C:/b.dek"_s}, u"c:/decks/A.DEK"_s),
              QStringList({u"c:/decks/A.DEK"_s, u"C:/b.dek"_s}));
    EXPECT_EQ(RecentDeckCaptions({u"C:/x/a.dek"_s, u"C:/y/A.dek"_s}),
              QStringList({u"&1 a.dek (x)"_s, u"&2 A.dek (y)"_s}));
}
#endif

struct Stored {
    const char* Name;
    QVariant Value;
    QStringList Decks;
};

// A list of one comes back from the file as a plain text; a hand-edited list is tidied as the
// program keeps it. How paths are quoted in the file is QSettings' own.
TEST_F(RecentDecks, ReadBackFromTheSettingsFile) {
    const QString file = dir_.filePath(u"settings.ini"_s);
    const Stored cases[] = {
        {"none", QVariant(), {}},
        {"one", Split("/d/a.dek"), Split("/d/a.dek")},
        {"duplicates keep the newest place", Split("/d/a.dek|/d/b.dek|/d/a.dek"),
         Split("/d/a.dek|/d/b.dek")},
        {"one file by two paths: the newer", QStringList{viaDots_, deck_}, {viaDots_}},
        {"empty entries", Split("|/d/a.dek|"), Split("/d/a.dek")},
        {"too many: the newest nine", Numbered(1, 12), Numbered(1, 9)},
    };
    for (const Stored& stored : cases) {
        QSettings(file, QSettings::IniFormat).setValue("RecentDecks", stored.Value);
        EXPECT_EQ(ReadRecentDecks(QSettings(file, QSettings::IniFormat)), stored.Decks)
            << stored.Name;
    }
}

}  // namespace
}  // namespace kestrava
