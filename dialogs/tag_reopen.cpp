#include "dialogs/tag_reopen.h"

TagFields::TagFields(const TagElement &element)
    : m_attributes(element.attributes)
    , m_taken(element.attributes.size(), false)
{
}

std::optional<QString> TagFields::take(QStringView upperName)
{
    for (qsizetype i = 0; i < m_attributes.size(); ++i) {
        if (!m_taken.at(i) && m_attributes.at(i).is(upperName)) {
            m_taken[i] = true;
            m_last = i;
            return m_attributes.at(i).value;
        }
    }
    return std::nullopt;
}

bool TagFields::takeInto(QStringView upperName, QString &value)
{
    const auto text = take(upperName);
    if (text)
        value = *text;
    return text.has_value();
}

bool TagFields::takePair(QStringView first, QStringView second, QString &firstValue, QString &secondValue)
{
    const auto a = take(first);
    const auto b = take(second);
    if (!a && !b)
        return false;
    firstValue = a.value_or(QString());
    secondValue = b.value_or(QString());
    return true;
}

bool TagFields::takeWord(QStringView upperName, QStringView word)
{
    const auto text = take(upperName);
    if (text && text->compare(word, Qt::CaseInsensitive) == 0)
        return true;
    if (text)
        giveBack();
    return false;
}

bool TagFields::takeSize(QStringView upperName, QString &value, bool &percent)
{
    if (!takeInto(upperName, value))
        return false;
    percent = value.endsWith(u'%');
    if (percent)
        value.chop(1);
    return true;
}

bool TagFields::takeLoop(bool &infinite, QString &count)
{
    const auto loop = take(u"LOOP");
    infinite = loop && loop->compare(u"INFINITE", Qt::CaseInsensitive) == 0;
    if (loop && !infinite)
        count = *loop;
    return loop.has_value();
}

bool TagFields::takeColor(QStringView upperName, QColor &value)
{
    const auto code = take(upperName);
    if (!code)
        return false;
    if (const auto color = colorFromCode(*code))
        value = *color;
    else
        cannotShow();
    return true;
}

void TagFields::cannotShow()
{
    if (m_last >= 0 && !m_unshown.contains(m_attributes.at(m_last)))
        m_unshown.append(m_attributes.at(m_last));
}

void TagFields::giveBack()
{
    if (m_last >= 0)
        m_taken[m_last] = false;
    m_last = -1;
}

KeptAttributes TagFields::kept() const
{
    KeptAttributes kept;
    kept.unshown = m_unshown;
    for (qsizetype i = 0; i < m_attributes.size(); ++i) {
        if (!m_taken.at(i))
            kept.unknown.append(m_attributes.at(i));
    }
    return kept;
}

std::optional<QString> oneOf(QStringView value, std::initializer_list<QStringView> words)
{
    for (QStringView word : words) {
        if (value.compare(word, Qt::CaseInsensitive) == 0)
            return word.toString();
    }
    return std::nullopt;
}

std::optional<QColor> colorFromCode(QStringView text)
{
    if (text.startsWith(u'#'))
        text = text.sliced(1);
    if (text.size() != 6)
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (!ok || text.startsWith(u'+') || text.startsWith(u'-') || text.contains(u'x') || text.contains(u'X'))
        return std::nullopt;
    return QColor(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

QString firstTag(const QString &text)
{
    const ParsedTag tag = parseTagAt(text, 0);
    return tag.valid() ? text.left(tag.element.end) : text;
}

namespace {

const TagAttribute *named(const QList<TagAttribute> &attributes, QStringView name)
{
    for (const TagAttribute &a : attributes) {
        if (a.name.compare(name, Qt::CaseInsensitive) == 0)
            return &a;
    }
    return nullptr;
}

} // namespace

QString withKeptAttributes(const QString &written, const QString &writtenAsRead, const KeptAttributes &kept)
{
    if (kept.unknown.isEmpty() && kept.unshown.isEmpty())
        return written;
    const ParsedTag tag = parseTagAt(written, 0);
    if (!tag.valid())
        return written;
    const ParsedTag asRead = parseTagAt(writtenAsRead, 0);
    // The dialogs write one blank between attributes, so the tag is its
    // parts joined again.
    QString result = u'<' + tag.element.name;
    for (const TagAttribute &attribute : tag.element.attributes) {
        const TagAttribute *unshown = named(kept.unshown, attribute.name);
        const TagAttribute *before = asRead.valid() ? named(asRead.element.attributes, attribute.name) : nullptr;
        const bool unchanged = unshown && before && before->spelling == attribute.spelling;
        result += u' ' + (unchanged ? unshown->spelling : attribute.spelling);
    }
    for (const TagAttribute &attribute : kept.unknown)
        result += u' ' + attribute.spelling;
    result += u'>';
    return result + written.sliced(tag.element.end);
}
