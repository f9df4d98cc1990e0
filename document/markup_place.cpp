#include "document/markup_place.h"

using namespace Qt::StringLiterals;

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'
            || c == QChar::ParagraphSeparator;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Walks a page forward, keeping what the last character read left open.
class PlaceScanner
{
public:
    explicit PlaceScanner(QStringView page) : m_page(page) {}

    // The place of the character at `target` (never before the last one asked).
    MarkupPlace placeAt(qsizetype target)
    {
        while (m_i < target) {
            if (!step(target))
                break;
        }
        return place();
    }

private:
    enum class State { Text, TagName, InTag, AfterEquals, Quoted, Unquoted, Comment, Declaration, Raw };

    MarkupPlace place() const
    {
        switch (m_state) {
        case State::Text: return MarkupPlace::Text;
        case State::AfterEquals:
        case State::Quoted:
        case State::Unquoted: return MarkupPlace::AttributeValue;
        case State::Comment: return MarkupPlace::Comment;
        case State::Raw: return m_rawIsScript ? MarkupPlace::Script : MarkupPlace::Style;
        case State::TagName:
        case State::InTag:
        case State::Declaration: break;
        }
        return MarkupPlace::Tag;
    }

    // Jumps to `found` when it lies before `target`, else to `target`;
    // true when found there.
    bool jump(qsizetype found, qsizetype target)
    {
        if (found < 0 || found >= target) {
            m_i = target;
            return false;
        }
        m_i = found;
        return true;
    }

    // Reads on towards `target`; false when the place there is settled.
    bool step(qsizetype target)
    {
        const QStringView s = m_page;
        switch (m_state) {
        case State::Text:
            if (jump(s.indexOf(u'<', m_i), target))
                openTag();
            return true;
        case State::Comment:
            if (jump(s.indexOf(u"-->"_s, m_i), target)) {
                m_i += 3;
                m_state = State::Text;
            }
            return true;
        case State::Raw:
            if (jump(s.indexOf(m_rawIsScript ? u"</script"_s : u"</style"_s, m_i, Qt::CaseInsensitive),
                     target))
                m_state = State::Text;
            return true;
        case State::Quoted:
            if (jump(s.indexOf(m_quote, m_i), target)) {
                ++m_i;
                m_state = State::InTag;
            }
            return true;
        case State::Declaration:
            if (jump(s.indexOf(u'>', m_i), target)) {
                ++m_i;
                m_state = State::Text;
            }
            return true;
        case State::TagName:
        case State::InTag:
        case State::AfterEquals:
        case State::Unquoted:
            tagCharacter(s[m_i]);
            return true;
        }
        return false;
    }

    void openTag()
    {
        const QStringView rest = m_page.sliced(m_i);
        if (rest.startsWith(u"<!--"_s)) {
            m_state = State::Comment;
            m_i += 4;
        } else if (rest.size() > 1 && (rest[1] == u'!' || rest[1] == u'?')) {
            m_state = State::Declaration;
            m_i += 2;
        } else if (rest.size() > 2 && rest[1] == u'/' && isAsciiLetter(rest[2])) {
            m_state = State::TagName;
            m_endTag = true;
            m_i += 2;
            m_nameStart = m_i;
        } else if (rest.size() > 1 && isAsciiLetter(rest[1])) {
            m_state = State::TagName;
            m_endTag = false;
            m_i += 1;
            m_nameStart = m_i;
        } else {
            m_i += 1;
        }
    }

    void tagCharacter(QChar c)
    {
        if (c == u'>' && m_state != State::AfterEquals) {
            closeTag();
            return;
        }
        switch (m_state) {
        case State::TagName:
            if (isSpace(c) || c == u'/') {
                nameEnds();
                m_state = State::InTag;
            }
            ++m_i;
            return;
        case State::InTag:
            if (c == u'=')
                m_state = State::AfterEquals;
            ++m_i;
            return;
        case State::AfterEquals:
            if (c == u'"' || c == u'\'') {
                m_quote = c;
                m_state = State::Quoted;
                ++m_i;
            } else if (c == u'>') {
                closeTag();
            } else if (isSpace(c)) {
                ++m_i;
            } else {
                m_state = State::Unquoted;  // this character is the value's first
            }
            return;
        case State::Unquoted:
            if (isSpace(c))
                m_state = State::InTag;
            ++m_i;
            return;
        default:
            return;
        }
    }

    void nameEnds()
    {
        const QStringView name = m_page.sliced(m_nameStart, m_i - m_nameStart);
        m_opensRaw = false;
        if (m_endTag)
            return;
        if (name.compare(u"script"_s, Qt::CaseInsensitive) == 0) {
            m_opensRaw = true;
            m_rawIsScript = true;
        } else if (name.compare(u"style"_s, Qt::CaseInsensitive) == 0) {
            m_opensRaw = true;
            m_rawIsScript = false;
        }
    }

    void closeTag()
    {
        if (m_state == State::TagName)
            nameEnds();
        ++m_i;
        m_state = m_opensRaw ? State::Raw : State::Text;
        m_opensRaw = false;
    }

    QStringView m_page;
    qsizetype m_i = 0;
    State m_state = State::Text;
    QChar m_quote;
    qsizetype m_nameStart = 0;
    bool m_endTag = false;
    bool m_opensRaw = false;
    bool m_rawIsScript = true;
};

} // namespace

QList<MarkupPlace> markupPlaces(QStringView page, const QList<qsizetype> &positions)
{
    QList<MarkupPlace> places;
    places.reserve(positions.size());
    PlaceScanner scanner(page);
    for (const qsizetype position : positions)
        places << scanner.placeAt(position);
    return places;
}

bool readsReferences(MarkupPlace place)
{
    return place == MarkupPlace::Text || place == MarkupPlace::AttributeValue;
}

QString placeName(MarkupPlace place)
{
    switch (place) {
    case MarkupPlace::Text: return u"本文"_s;
    case MarkupPlace::AttributeValue: return u"属性値"_s;
    case MarkupPlace::Tag: return u"ﾀｸﾞ"_s;
    case MarkupPlace::Comment: return u"ｺﾒﾝﾄ"_s;
    case MarkupPlace::Script: return u"SCRIPT"_s;
    case MarkupPlace::Style: return u"STYLE"_s;
    }
    return {};
}
