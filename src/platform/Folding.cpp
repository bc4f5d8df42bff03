#include "platform/Folding.h"

namespace kestrava {

namespace {

char16_t FoldUnit(char16_t unit) {
    if (unit >= u'ぁ' && unit <= u'ゖ') {
        return char16_t(unit + (u'ァ' - u'ぁ'));  // ゔ becomes ヴ with the rest
    }
    if (unit == u'ゝ' || unit == u'ゞ') {
        return char16_t(unit + (u'ヽ' - u'ゝ'));
    }
    // Input methods type 〜 where code page 932 has ～, which NFKC has already made "~".
    if (unit == u'〜') {
        return u'~';
    }
    return unit;
}

// Long-vowel marks and dashes (NFKC has made － "-" and ｰ "ー") are dropped with blanks and "・":
// a missed ー is the commonest slip in typing a katakana name, and a code reads alike with or
// without its "-".
bool IsDropped(char16_t unit) {
    switch (unit) {
        case u'・':
        case u'ー':
        case u'-':
        case u'‐':
        case u'—':
        case u'―':
        case u'−':
            return true;
        default:
            return QChar::isSpace(unit);
    }
}

}  // namespace

QString FoldForSearch(QStringView text) {
    QString typed = text.toString();
    // NFKC turns the spacing voiced marks into a blank and a combining mark, which then cannot
    // join the kana before them; as combining marks they compose (カ゛ is ガ, ウ゛ is ヴ).
    typed.replace(u'゛', u'\u3099').replace(u'゜', u'\u309A');
    const QString normal = typed.normalized(QString::NormalizationForm_KC).toCaseFolded();
    QString folded;
    folded.reserve(normal.size());
    for (const QChar c : normal) {
        const char16_t unit = c.unicode();
        if (!IsDropped(unit)) {
            folded.append(QChar(FoldUnit(unit)));
        }
    }
    return folded;
}

QStringList FoldedQueryWords(QStringView query) {
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= query.size(); ++i) {
        const bool blank = i == query.size() || query[i].isSpace();
        if (!blank && start < 0) {
            start = i;
        } else if (blank && start >= 0) {
            const QString word = FoldForSearch(query.mid(start, i - start));
            if (!word.isEmpty()) {
                words.append(word);
            }
            start = -1;
        }
    }
    return words;
}

}  // namespace kestrava
