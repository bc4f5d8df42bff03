#include "platform/Folding.h"

namespace kestrava {

namespace {

constexpr char16_t kLongVowel = u'ー';

char16_t FoldUnit(char16_t unit) {
    if (unit >= u'ぁ' && unit <= u'ゖ') {
        return char16_t(unit + (u'ァ' - u'ぁ'));  // ゔ becomes ヴ with the rest
    }
    if (unit == u'ゝ' || unit == u'ゞ') {
        return char16_t(unit + (u'ヽ' - u'ゝ'));
    }
    // NFKC has already made － into "-" and ｰ into ー; a code's "-" folds with them on both sides.
    if (unit == u'-' || unit == u'―' || unit == u'‐' || unit == u'−') {
        return kLongVowel;
    }
    return unit;
}

bool IsDropped(char16_t unit) {
    return unit == u'・' || QChar::isSpace(unit);
}

}  // namespace

QString FoldForSearch(QStringView text) {
    const QString normal = text.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
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
