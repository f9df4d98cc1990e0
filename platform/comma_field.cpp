#include "platform/comma_field.h"

QString NthCommaField(const QString &text, int n)
{
    if (n <= 0)
        return QString();

    // The end of the text acts as one more comma closing the last field.
    qsizetype start = 0;
    for (int i = 1;; ++i) {
        qsizetype comma = text.indexOf(u',', start);
        if (comma < 0)
            comma = text.size();
        if (i == n)
            return text.mid(start, comma - start);
        if (comma == text.size())
            return QString();
        start = comma + 1;
    }
}
