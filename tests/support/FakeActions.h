// A FileActions that records the status line's texts and every load and save, each answered
// with Result.
#pragma once

#include <QObject>
#include <QStringList>

#include "files/FileActions.h"

namespace kestrava::test {

struct FakeActions : FileActions {
    QStringList Calls;
    FileOutcome Result = FileOutcome::Done;
    StatusLine Line;
    FakeActions() {
        QObject::connect(&Line, &StatusLine::Changed,
                         [this](const QString& text) { Calls << text; });
    }
    StatusLine& Status() override { return Line; }
    FileOutcome Open(const QString& path, FileKind kind) override {
        Calls << (kind == FileKind::DeckFile ? "deck " : "cards ") + path;
        return Result;
    }
    FileOutcome Save(const QString& path, FileKind kind) override {
        Calls << (kind == FileKind::HtmlPage ? "write html " : "write deck ") + path;
        return Result;
    }
};

}  // namespace kestrava::test
