#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include <set>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <QDir>

#include <windows.h>
#endif

#include "catalogue/CardList.h"
#include "platform/TextFile.h"

namespace kestrava::test {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

#ifdef Q_OS_UNIX
bool AsUserWrite(const QString& folder, const QString& path, const QByteArray& bytes,
                 const QString& chmodPath, mode_t mode) {
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 &&
        (chown(folder.toLocal8Bit().constData(), kNobody, kNobody) != 0 ||
         setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
         setresuid(kNobody, kNobody, kNobody) != 0)) {
        return false;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           chmod(chmodPath.toLocal8Bit().constData(), mode) == 0;
}
#endif

bool SetModified(const QString& path, qint64 seconds) {
#ifdef Q_OS_WIN
    // A folder opens only with backup semantics.
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                    FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    // Windows counts 100 ns steps from 1601.
    const quint64 ticks = quint64(seconds + 11644473600LL) * 10000000ULL;
    const FILETIME time{DWORD(ticks), DWORD(ticks >> 32)};
    const bool set = SetFileTime(handle, nullptr, &time, &time) != 0;
    CloseHandle(handle);
    return set;
#else
    const timeval times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    return utimes(QFile::encodeName(path).constData(), times) == 0;
#endif
}

QString CardLine(const QString& code, const QString& name,
                 const QList<QPair<int, QString>>& overrides) {
    static const std::set<int> numberColumns = {5, 6, 9, 14, 15, 16, 20, 21, 22, 23};
    QStringList columns;
    for (int column = 1; column <= 31; ++column) {
        columns << (numberColumns.count(column) ? QStringLiteral("0") : QString());
    }
    columns[0] = code;
    columns[1] = name;
    columns[9] = QStringLiteral("0");  // no sortie cost
    for (const auto& [column, text] : overrides) {
        columns[column - 1] = text;
    }
    return columns.join(u',') + u',';
}

QString CardLineOf(const QString& columns) {
    QList<QPair<int, QString>> overrides;
    for (const QString& column : columns.split(u'|', Qt::SkipEmptyParts)) {
        overrides.append({column.section(u'=', 0, 0).toInt(), column.section(u'=', 1)});
    }
    return CardLine({}, {}, overrides);
}

QByteArray CardListBytes(const QStringList& lines) {
    return EncodeCp932Lines(lines);
}

CardCatalogue CatalogueOf(const QStringList& cards) {
    CardCatalogue catalogue;
    for (const QString& card : cards) {
        CardRecord record;
        record.Code = card.section(u'|', 0, 0);
        record.Name = card.section(u'|', 1, 1);
        record.CardType = card.section(u'|', 2, 2);
        record.Rarity = card.section(u'|', 3, 3);
        EXPECT_TRUE(catalogue.AddCard(record)) << card.toStdString();
    }
    return catalogue;
}

CardCatalogue CatalogueOfLines(const QStringList& lines) {
    QByteArray bytes = CardListBytes(lines);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CardCatalogue catalogue;
    EXPECT_EQ(LoadCardList(catalogue, buffer), CardListLoad::Loaded);
    EXPECT_EQ(catalogue.CardCount(), lines.size()) << "a line the list stops at";
    return catalogue;
}

}  // namespace kestrava::test
