#include "platform/file_filter.h"

using namespace Qt::StringLiterals;

namespace {

QString caseInsensitivePattern(const QString &pattern)
{
    if (pattern == u"*.*")
        return QStringLiteral("*");
    QString result;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += u'[' + c.toLower() + c.toUpper() + u']';
        else
            result += c;
    }
    return result;
}

} // namespace

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &p : parts.at(i + 1).split(u';', Qt::SkipEmptyParts))
            patterns << caseInsensitivePattern(p.trimmed());
        result << parts.at(i) + u" ("_s + patterns.join(u' ') + u')';
    }
    return result;
}
