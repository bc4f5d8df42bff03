// Code page 932 text, line by line, on any open device: CR LF, lone LF and lone CR end a line
// on reading; CR LF ends every line on writing; a last line without its line end is still a
// line. The path functions open regular files only and save atomically.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>

namespace kestrava {

// No line of a card list or a deck file is usable beyond this many bytes; a longer line ends
// the reading without being held in memory.
constexpr qsizetype kMaxLineBytes = 256 * 1024;

class Cp932LineReader {
  public:
    enum class State { Reading, AtEnd, LineTooLong, ReadError };

    // Reads from device, which must be open for reading and outlive the reader.
    explicit Cp932LineReader(QIODevice& device);

    // The next line without its line end; false at the end of the file, at a line longer than
    // kMaxLineBytes and on a read error (State() tells which).
    bool ReadLine(QString& line);
    // The same line as raw bytes, for callers that decode on their own; valid until the next
    // call.
    bool ReadRawLine(QByteArrayView& line);

    State ReadState() const { return state_; }
    // A read failed: what was read is not the whole file.
    bool Failed() const { return state_ == State::ReadError; }

  private:
    bool Fill();
    // Index of the first CR or LF at or after from, or the buffer's size.
    qsizetype FindLineEnd(qsizetype from);
    bool TooLong(qsizetype length);

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qsizetype nextLf_ = -1;  // the first LF at or after pos_, or the size; -1 unknown
    State state_ = State::Reading;
};

// Opens file (named already) for reading when it is a regular file: a directory is no text,
// and a pipe or device would block or never end. What is checked is what is opened, so a path
// swapped for a pipe meanwhile never blocks.
bool OpenRegularFileForReading(QFile& file);

// The lines encoded, each followed by CR LF.
QByteArray EncodeCp932Lines(const QStringList& lines);

// Writes the lines encoded to device, which must be open for writing. False when a write fails.
bool WriteCp932Lines(QIODevice& device, const QStringList& lines);

// A file saved in place (see SaveFileAtomically) has its old bytes held in memory: no more
// than this many, far beyond any deck.
constexpr qint64 kMaxInPlaceSaveBytes = 8 * 1024 * 1024;

// Saves a file through write, which gets the file open for writing: on any failure an existing
// file at path stays as it was and no partial file is left behind. Only a regular file is ever
// replaced: a link is followed to one, and one that loops, leads nowhere or to anything else
// fails the save and stays. Returns whether the whole file was written.
// When no new file can be made beside it (a writable deck in a read-only folder), an existing
// file of at most kMaxInPlaceSaveBytes is written in place, its old bytes written back when that
// fails; only a kill in the middle of that write can cut it, and the recovery copy of the open
// deck covers that.
bool SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);

// Writes the lines as one file, as SaveFileAtomically does.
bool WriteCp932Lines(const QString& path, const QStringList& lines);

}  // namespace kestrava
