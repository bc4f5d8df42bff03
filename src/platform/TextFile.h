// Code page 932 text files, line by line: CR LF, lone LF and lone CR end a line on reading;
// CR LF ends every line on writing; a last line without its line end is still a line.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace kestrava {

class Cp932LineReader {
  public:
    // Opens path for reading; IsOpen() tells whether that worked (a directory never opens).
    explicit Cp932LineReader(const QString& path);

    bool IsOpen() const { return open_; }
    // The next line without its line end; false at the end of the file or on a read error.
    bool ReadLine(QString& line);
    // The same line as raw bytes, for callers that decode on their own.
    bool ReadRawLine(QByteArray& line);

  private:
    // The next line as a view into the buffer, valid until the next call.
    bool NextLine(QByteArrayView& line);
    bool Fill();
    // Index of the first CR or LF at or after from, or the buffer's size.
    qsizetype FindLineEnd(qsizetype from);

    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qsizetype nextLf_ = -1;  // the first LF at or after pos_, or the size; -1 unknown
    bool open_ = false;
    bool atEnd_ = false;
};

// The lines encoded, each followed by CR LF.
QByteArray EncodeCp932Lines(const QStringList& lines);

// Writes the lines atomically: on any failure an existing file at path stays as it was and
// no partial file is left behind. Returns whether the file was written.
bool WriteCp932Lines(const QString& path, const QStringList& lines);

}  // namespace kestrava
