// Text folded the way Japanese players type it, so that a search or an imported card name
// matches however it was typed: compatibility forms (full-width and half-width letters, digits
// and katakana) made one (NFKC), letter case folded, hiragana read as katakana, the spacing
// voiced marks joined to their kana, 〜 and ～ made one, and blanks, "・", the long-vowel mark
// and the dashes (ー － ｰ ― — -) dropped.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kestrava {

QString FoldForSearch(QStringView text);

// A query split at blanks (of any width) into its folded words; empty words are dropped.
QStringList FoldedQueryWords(QStringView query);

}  // namespace kestrava
