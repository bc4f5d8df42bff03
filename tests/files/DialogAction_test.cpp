// What the file dialog's action does with a path in each mode, how the dialog goes on, and the
// folder it starts in next, as the file system resolves the path.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <vector>

#include "files/DialogAction.h"
#include "files/DialogFolder.h"
#include "support/FakeActions.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

namespace kestrava {
namespace {

using M = FileDialogMode;
using O = FileOutcome;
using E = DialogEnd;

struct ActionCase {
    M Mode;
    const char* Path;   // as typed, from the current directory
    O Outcome;          // of the load or save, or of the save that yes runs
    const char* Calls;  // apart by "|", the path as %1
    E End;
    const char* Folder;  // the next start, under the current directory
};

// One after another: a load that failed, a deck kept or a save asked for first leaves the
// folder as it was. A save over a file or a link to none only names the save; the yes that
// follows writes as the mode says. A folder is no file to ask about.
TEST(RunDialogAction, OpensSavesOrAsksAndRemembersTheFolder) {
    const QTemporaryDir temp;  // the settings too, never the user's
    QCoreApplication::setOrganizationName("brelvik");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, temp.filePath("settings"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    const QString root = QDir(temp.path()).canonicalPath();
    ASSERT_TRUE(QDir::setCurrent(root) && QDir().mkpath("outer/inner") && QDir().mkdir("d.htm"));
    test::WriteBytes("outer/a.htm", "old");
    EXPECT_EQ(DialogStartFolder(), root);
    std::vector<ActionCase> cases = {
        {M::CardList, "outer/inner/c", O::Done, "cards %1", E::CardListLoaded, "outer/inner"},
        {M::DeckOpen, "x.dek", O::Failed, "deck %1", E::Closes, "outer/inner"},
        {M::DeckOpen, "x.dek", O::Cancelled, "deck %1", E::StaysOpen, "outer/inner"},
        {M::DeckOpen, "x.dek", O::Waiting, "deck %1", E::StaysOpen, "outer/inner"},
        {M::HtmlSave, "d.htm", O::Done, "write html %1", E::Closes, ""},
        {M::DeckSave, "outer/a.htm", O::Done, "Save %1|write deck %1", E::AsksToOverwrite,
         "outer"}};
#ifdef Q_OS_UNIX
    // Through a link, and a link to none.
    ASSERT_TRUE(QFile::link(root + "/outer/inner", "link") && QFile::link("gone", "nil.dek"));
    cases.insert(cases.begin(),
                 {M::HtmlSave, "link/../z.htm", O::Done, "write html %1", E::Closes, "outer"});
    cases.push_back(
        {M::HtmlSave, "nil.dek", O::Failed, "Save %1|write html %1", E::AsksToOverwrite, "outer"});
#endif
    test::FakeActions actions;
    for (const ActionCase& test : cases) {
        SCOPED_TRACE(::testing::Message() << test.Path << " " << int(test.Outcome));
        actions.Calls.clear();
        actions.Result = test.Outcome;
        EXPECT_EQ(RunDialogAction(actions, test.Mode, test.Path), test.End);
        if (test.End == E::AsksToOverwrite) {
            OverwriteFile(actions, test.Path, KindOf(test.Mode));
        }
        // The status line names the path as the platform writes it.
        EXPECT_EQ(actions.Calls.join('|'),
                  QString(test.Calls)
                      .replace("Save %1", "Save " + QDir::toNativeSeparators(test.Path))
                      .arg(test.Path));
        EXPECT_EQ(DialogStartFolder(), QDir::cleanPath(root + '/' + test.Folder));
    }
    ASSERT_TRUE(QDir("outer").removeRecursively());
    EXPECT_EQ(DialogStartFolder(), root);
}

}  // namespace
}  // namespace kestrava
