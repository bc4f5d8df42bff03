#include "FuzzFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include "FuzzCheck.h"

namespace kestrava::fuzz {
namespace {

// Created on first use and removed by its destructor when libFuzzer exits normally.
const QTemporaryDir& Folder() {
    static const QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    return folder;
}

}  // namespace

QString FuzzFilePath(const QString& name) {
    return Folder().filePath(name);
}

void WriteFuzzFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
}

QByteArray ReadFuzzFile(const QString& path) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray ExpandInput(const uint8_t* data, std::size_t size, int copies, qsizetype maxBytes) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.isEmpty() || static_cast<unsigned char>(input.front()) != 0xFF) {
        return input;
    }
    const QByteArray unit = input.mid(1);
    QByteArray out = unit;
    for (int i = 1; i < copies && out.size() + unit.size() <= maxBytes; ++i) {
        out.append(unit);
    }
    return out;
}

}  // namespace kestrava::fuzz
