// What the file dialog tests share: a FileActions that records every call and writes real
// marker files, and a temporary folder that is the process's current directory.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <ostream>

#include "files/ui/FileActions.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kestrava::test {

inline QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Writes are real, so that a directory or an unwritable path fails as it would in the program.
class FakeFileActions : public FileActions {
  public:
    QStringList Calls;
    bool LoadResult = true;
    std::function<void()> DuringLoadCardList;

    void SetStatus(const QString& text) override { Calls << "SetStatus " + text; }
    void MarkStatusFailed() override { Calls << "MarkStatusFailed"; }
    bool LoadCardList(const QString& path) override {
        Calls << "LoadCardList " + path;
        if (DuringLoadCardList) {
            DuringLoadCardList();
        }
        return LoadResult;
    }
    void RefreshCardList() override { Calls << "RefreshCardList"; }
    bool LoadDeckFile(const QString& path) override {
        Calls << "LoadDeckFile " + path;
        return LoadResult;
    }
    bool SaveDeckFile(const QString& path) override { return Write("SaveDeckFile", path, "deck"); }
    bool SaveDeckHtml(const QString& path) override { return Write("SaveDeckHtml", path, "html"); }

  private:
    bool Write(const QString& call, const QString& path, const QByteArray& bytes) {
        Calls << call + " " + path;
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
               file.commit();
    }
};

class FileDialogFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QFont::insertSubstitutions(U(u"ＭＳ ゴシック"), {"MS Gothic", "IPAGothic"});
        QApplication::setFont(QFont(U(u"ＭＳ ゴシック"), 9));
    }
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        root_ = QDir(temp_.path()).canonicalPath();
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(root_));
    }
    void TearDown() override {
        QDir::setCurrent(previous_);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        LetClosedWindowsGo();
    }

    static void LetClosedWindowsGo() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <typename T>
    static T* Find(QWidget* window, const char* name) {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // name in the temporary folder, absolute, in native separators.
    QString Path(const QString& name) const { return QDir::toNativeSeparators(root_ + '/' + name); }
    // A folder as the dialog writes it: one trailing separator.
    QString DirText(const QString& name = {}) const {
        return QDir::toNativeSeparators(root_ + '/' + (name.isEmpty() ? name : name + '/'));
    }
    void MakeFile(const QString& name, const QByteArray& bytes = "old") const {
        QFile file(root_ + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
    }
    void MakeDir(const QString& name) const { ASSERT_TRUE(QDir(root_).mkpath(name)); }
    QByteArray Contents(const QString& name) const {
        QFile file(root_ + '/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    QTemporaryDir temp_;
    QString root_;
    QString previous_;
    FakeFileActions actions_;
};

}  // namespace kestrava::test
