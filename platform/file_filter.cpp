#include "platform/file_filter.h"

#include <algorithm>

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

bool isProgramPattern(const QString &pattern)
{
    return pattern.compare(u"*.exe", Qt::CaseInsensitive) == 0;
}

} // namespace

QList<FileType> fileTypes(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QList<FileType> result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        QStringList patterns;
        for (const QString &p : parts.at(i + 1).split(u';', Qt::SkipEmptyParts))
            patterns << p.trimmed();
        const bool programs = !patterns.isEmpty() && std::all_of(patterns.cbegin(), patterns.cend(), isProgramPattern);
        if (programs) {
            if (description.endsWith(u"(*.EXE)", Qt::CaseInsensitive))
                description.chop(7);
            result.append({description.trimmed() + u" (*)"_s, true});
            continue;
        }
        for (QString &p : patterns)
            p = caseInsensitivePattern(p);
        result.append({description + u" ("_s + patterns.join(u' ') + u')', false});
    }
    return result;
}

QStringList qtNameFilters(const QString &filter)
{
    QStringList result;
    for (const FileType &type : fileTypes(filter))
        result << type.nameFilter;
    return result;
}
