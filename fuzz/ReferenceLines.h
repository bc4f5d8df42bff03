// An independent, obviously correct line split that the fuzz targets hold the real line
// reader against: CR LF, lone LF and lone CR end a line; a last line without its end is
// still a line; nothing after the last line end is not a line.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace kestrava::fuzz {

std::vector<QByteArray> SplitLines(QByteArrayView bytes);

}  // namespace kestrava::fuzz
