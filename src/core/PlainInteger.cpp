#include "PlainInteger.h"

std::optional<qint64> PlainInteger(QStringView text) {
    const bool negative = !text.isEmpty() && text.front() == u'-';
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}
