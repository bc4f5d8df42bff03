// Paths that name something other than a file: a named pipe (FIFO) blocks whoever opens it for
// reading until some other process writes to it, so a reader that opened it would hang the
// window for good. Each load runs in a child process with an alarm, so that a hang fails the
// test instead of stopping the run.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <functional>

#include "catalogue/CardList.h"
#include "files/DeckFile.h"

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrava {
namespace {

#if defined(Q_OS_UNIX)
// A named pipe is no card list or deck: opening it would wait for a writer that never comes.
TEST(SpecialFiles, NamedPipeIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.dek"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const struct {
        const char* Name;
        std::function<bool()> Opens;
    } readers[] = {
        {"card list",
         [&pipe] {
             CardCatalogue catalogue;
             return LoadCardList(catalogue, pipe) == CardListLoad::Loaded;
         }},
        {"deck file",
         [&pipe] {
             Deck deck;
             DeckTallies tallies;
             return LoadDeckFile(pipe, CardCatalogue(), deck, tallies);
         }},
    };
    for (const auto& reader : readers) {
        SCOPED_TRACE(reader.Name);
        // Exit code 0: refused; 1: opened; killed by the alarm: hung.
        EXPECT_EXIT(
            {
                alarm(5);
                std::_Exit(reader.Opens() ? 1 : 0);
            },
            ::testing::ExitedWithCode(0), "");
    }
}
#endif

}  // namespace
}  // namespace kestrava
