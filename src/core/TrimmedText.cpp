#include "TrimmedText.h"

namespace {

bool IsTrimmed(QChar c) {
    return c.unicode() <= 32;
}

bool NeedsTrimming(QStringView text) {
    return !text.isEmpty() && (IsTrimmed(text.front()) || IsTrimmed(text.back()));
}

} // namespace

QString TrimmedText(const QString& text) {
    return NeedsTrimming(text) ? TrimmedText(QStringView(text)) : text;
}

QString TrimmedText(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsTrimmed(text[first]))
        ++first;
    while (last > first && IsTrimmed(text[last - 1]))
        --last;
    return text.mid(first, last - first).toString();
}
