#include "files/RecoveryCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>

#include "files/DeckFile.h"
#include "platform/TextFile.h"

namespace kestrava {
namespace {

const QString kDeckName = QStringLiteral("deck.dek");
const QString kPathName = QStringLiteral("path.txt");
// A path is one line of a few hundred bytes; anything longer is no path this program wrote.
constexpr qint64 kMaxPathBytes = 64 * 1024;

QString LockPathOf(const QString& copyFolder) {
    return copyFolder + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> TryLock(const QString& copyFolder) {
    auto lock = std::make_unique<QLockFile>(LockPathOf(copyFolder));
    // A lock whose program has died is stale and taken over at once.
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

}  // namespace

RecoveryCopy::RecoveryCopy(QString folder) : folder_(std::move(folder)) {}

RecoveryCopy::~RecoveryCopy() = default;

bool RecoveryCopy::Write(const Deck& deck, const DeckTallies& tallies,
                         const FactionNameList& factionNames, const QString& deckPath) {
    if (own_.isEmpty()) {
        if (!QDir().mkpath(folder_)) {
            return false;
        }
        const QString name = QStringLiteral("%1-%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        const QString own = QDir(folder_).filePath(name);
        // Locked before the folder exists, so no other program ever sees it unlocked.
        lock_ = TryLock(own);
        if (lock_ == nullptr || !QDir().mkpath(own)) {
            lock_.reset();
            return false;
        }
        own_ = own;
    }
    const QDir dir(own_);
    return SaveFileAtomically(
               dir.filePath(kPathName),
               [&](QIODevice& device) { return device.write(deckPath.toUtf8()) >= 0; }) &&
           SaveDeckFile(dir.filePath(kDeckName), deck, tallies, factionNames);
}

void RecoveryCopy::Remove() {
    if (own_.isEmpty()) {
        return;
    }
    QDir(own_).removeRecursively();
    lock_.reset();  // unlocks and deletes the lock file
    own_.clear();
}

std::vector<LeftCopy> TakeLeftCopies(const QString& folder) {
    std::vector<LeftCopy> copies;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    for (const QFileInfo& entry : entries) {
        std::unique_ptr<QLockFile> lock = TryLock(entry.filePath());
        if (lock == nullptr) {
            continue;  // its program is running
        }
        LeftCopy copy{entry.filePath(), std::move(lock)};
        if (!QFileInfo::exists(QDir(copy.Folder).filePath(kDeckName))) {
            DiscardLeftCopy(copy);  // stopped before it held a deck: nothing to offer
            continue;
        }
        copies.push_back(std::move(copy));
    }
    return copies;
}

bool ReadLeftCopy(const LeftCopy& copy, const CardCatalogue& catalogue, Deck& deck,
                  DeckTallies& tallies, QString& deckPath) {
    const QDir dir(copy.Folder);
    QFile pathFile(dir.filePath(kPathName));
    QString path;
    if (OpenRegularFileForReading(pathFile)) {
        path = QString::fromUtf8(pathFile.read(kMaxPathBytes));
    }
    if (!LoadDeckFile(dir.filePath(kDeckName), catalogue, deck, tallies)) {
        return false;
    }
    deckPath = path;
    return true;
}

void DiscardLeftCopy(LeftCopy& copy) {
    QDir(copy.Folder).removeRecursively();
    copy.Lock.reset();
}

QString DefaultRecoveryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

}  // namespace kestrava
