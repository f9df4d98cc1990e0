#include "document/markup_tokenizer.h"

using namespace Qt::StringLiterals;

MarkupState MarkupState::unpacked(int packed)
{
    MarkupState state;
    if (packed < 0)
        return state;
    const int mode = packed & 0xf;
    const int raw = packed >> 4 & 0xf;
    if (mode <= Raw)
        state.mode = Mode(mode);
    if (raw <= Style)
        state.raw = RawElement(raw);
    return state;
}

namespace {

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isAsciiAlnum(QChar c)
{
    return isAsciiLetter(c) || (c.unicode() >= u'0' && c.unicode() <= u'9');
}

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n' || u == u'\f' || u == 0x3000;
}

bool startsWithCi(QStringView text, qsizetype at, QLatin1StringView word)
{
    return text.size() - at >= word.size()
           && text.sliced(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

MarkupState::RawElement rawElementNamed(QStringView name)
{
    if (name.compare("script"_L1, Qt::CaseInsensitive) == 0)
        return MarkupState::Script;
    if (name.compare("style"_L1, Qt::CaseInsensitive) == 0)
        return MarkupState::Style;
    return MarkupState::None;
}

class LineTokenizer
{
public:
    LineTokenizer(QStringView line, QList<MarkupSpan> *spans, qsizetype from, qsizetype to)
        : m_line(line), m_spans(spans), m_from(from), m_to(to < 0 ? line.size() : to)
    {
    }

    MarkupState run(MarkupState state);

private:
    void add(qsizetype start, qsizetype end, MarkupKind kind);
    // Each reads from m_at and returns the state at where it stopped.
    void text(MarkupState &state);
    void tag(MarkupState &state);
    void value(MarkupState &state);
    void untilText(MarkupState &state, QStringView closing, MarkupKind kind);
    void raw(MarkupState &state);
    qsizetype nameEnd(qsizetype at) const;
    // Moves past blanks; false at the line's end.
    bool skipBlanks();

    QStringView m_line;
    QList<MarkupSpan> *m_spans;
    qsizetype m_from;
    qsizetype m_to;
    qsizetype m_at = 0;
};

void LineTokenizer::add(qsizetype start, qsizetype end, MarkupKind kind)
{
    if (!m_spans)
        return;
    start = qMax(start, m_from);
    end = qMin(end, m_to);
    if (start >= end)
        return;
    // A kind that goes on (a tag over two values) stays one span.
    if (!m_spans->isEmpty()) {
        MarkupSpan &last = m_spans->last();
        if (last.kind == kind && last.start + last.length == start) {
            last.length += end - start;
            return;
        }
    }
    m_spans->append({start, end - start, kind});
}

qsizetype LineTokenizer::nameEnd(qsizetype at) const
{
    while (at < m_line.size() && (isAsciiAlnum(m_line[at]) || m_line[at] == u'-' || m_line[at] == u':'))
        ++at;
    return at;
}

bool LineTokenizer::skipBlanks()
{
    while (m_at < m_line.size() && isBlank(m_line[m_at]))
        ++m_at;
    return m_at < m_line.size();
}

MarkupState LineTokenizer::run(MarkupState state)
{
    while (m_at < m_line.size()) {
        // Past the part wanted, only the state matters: skip the spans.
        if (m_spans && m_at >= m_to)
            m_spans = nullptr;
        switch (state.mode) {
        case MarkupState::Text:
            text(state);
            break;
        case MarkupState::Tag:
            tag(state);
            break;
        case MarkupState::Value:
            value(state);
            break;
        case MarkupState::DoubleQuoted:
            untilText(state, u"\"", MarkupKind::AttributeValue);
            break;
        case MarkupState::SingleQuoted:
            untilText(state, u"'", MarkupKind::AttributeValue);
            break;
        case MarkupState::Comment:
            untilText(state, u"-->", MarkupKind::Comment);
            break;
        case MarkupState::Doctype:
            untilText(state, u">", MarkupKind::Doctype);
            break;
        case MarkupState::Raw:
            raw(state);
            break;
        }
    }
    return state;
}

void LineTokenizer::text(MarkupState &state)
{
    const qsizetype n = m_line.size();
    qsizetype i = m_at;
    while (i < n && m_line[i] != u'<' && m_line[i] != u'&')
        ++i;
    m_at = i;
    if (i == n)
        return;
    if (m_line[i] == u'&') {
        qsizetype end = i + 1;
        if (end < n && m_line[end] == u'#')
            ++end;
        const qsizetype nameStart = end;
        while (end < n && isAsciiAlnum(m_line[end]))
            ++end;
        if (end == nameStart) {
            m_at = i + 1;
            return;
        }
        if (end < n && m_line[end] == u';')
            ++end;
        add(i, end, MarkupKind::CharacterReference);
        m_at = end;
        return;
    }
    // '<'
    if (startsWithCi(m_line, i + 1, "!--"_L1)) {
        state.mode = MarkupState::Comment;
        add(i, i + 4, MarkupKind::Comment);
        m_at = i + 4;
        return;
    }
    if (i + 1 < n && (m_line[i + 1] == u'!' || m_line[i + 1] == u'?')) {
        state.mode = MarkupState::Doctype;
        add(i, i + 2, MarkupKind::Doctype);
        m_at = i + 2;
        return;
    }
    const bool endTag = i + 1 < n && m_line[i + 1] == u'/';
    const qsizetype nameStart = i + (endTag ? 2 : 1);
    if (nameStart >= n || !isAsciiLetter(m_line[nameStart])) {
        m_at = i + 1;  // a '<' of the text
        return;
    }
    const qsizetype end = nameEnd(nameStart);
    add(i, end, MarkupKind::ElementName);
    state.mode = MarkupState::Tag;
    state.raw = endTag ? MarkupState::None : rawElementNamed(m_line.sliced(nameStart, end - nameStart));
    m_at = end;
}

void LineTokenizer::tag(MarkupState &state)
{
    const qsizetype n = m_line.size();
    if (!skipBlanks())
        return;
    const qsizetype i = m_at;
    const QChar c = m_line[i];
    if (c == u'>' || (c == u'/' && i + 1 < n && m_line[i + 1] == u'>')) {
        const qsizetype end = i + (c == u'>' ? 1 : 2);
        add(i, end, MarkupKind::ElementName);
        state.mode = c == u'>' && state.raw != MarkupState::None ? MarkupState::Raw : MarkupState::Text;
        if (state.mode == MarkupState::Text)
            state.raw = MarkupState::None;
        m_at = end;
        return;
    }
    if (c == u'=') {
        state.mode = MarkupState::Value;
        m_at = i + 1;
        return;
    }
    if (c == u'"' || c == u'\'') {
        // A value whose name and '=' are missing is still a value.
        state.mode = MarkupState::Value;
        return;
    }
    qsizetype end = i;
    while (end < n && !isBlank(m_line[end]) && m_line[end] != u'=' && m_line[end] != u'>'
           && m_line[end] != u'"' && m_line[end] != u'\''
           && !(m_line[end] == u'/' && end + 1 < n && m_line[end + 1] == u'>'))
        ++end;
    if (end == i)
        end = i + 1;
    add(i, end, MarkupKind::AttributeName);
    m_at = end;
}

void LineTokenizer::value(MarkupState &state)
{
    const qsizetype n = m_line.size();
    if (!skipBlanks())
        return;
    const qsizetype i = m_at;
    const QChar c = m_line[i];
    if (c == u'"' || c == u'\'') {
        state.mode = c == u'"' ? MarkupState::DoubleQuoted : MarkupState::SingleQuoted;
        add(i, i + 1, MarkupKind::AttributeValue);
        m_at = i + 1;
        return;
    }
    state.mode = MarkupState::Tag;
    if (c == u'>')
        return;
    qsizetype end = i;
    while (end < n && !isBlank(m_line[end]) && m_line[end] != u'>')
        ++end;
    add(i, end, MarkupKind::AttributeValue);
    m_at = end;
}

void LineTokenizer::untilText(MarkupState &state, QStringView closing, MarkupKind kind)
{
    const qsizetype found = m_line.indexOf(closing, m_at);
    const qsizetype end = found < 0 ? m_line.size() : found + closing.size();
    add(m_at, end, kind);
    m_at = end;
    if (found < 0)
        return;
    state.mode = kind == MarkupKind::AttributeValue ? MarkupState::Tag : MarkupState::Text;
}

void LineTokenizer::raw(MarkupState &state)
{
    const QLatin1StringView name = state.raw == MarkupState::Style ? "style"_L1 : "script"_L1;
    const MarkupKind kind = state.raw == MarkupState::Style ? MarkupKind::Style : MarkupKind::Script;
    qsizetype at = m_at;
    for (;;) {
        const qsizetype found = m_line.indexOf(u"</", at);
        if (found < 0) {
            add(m_at, m_line.size(), kind);
            m_at = m_line.size();
            return;
        }
        if (startsWithCi(m_line, found + 2, name) && nameEnd(found + 2) == found + 2 + name.size()) {
            add(m_at, found, kind);
            m_at = found;
            state.mode = MarkupState::Text;
            state.raw = MarkupState::None;
            return;
        }
        at = found + 2;
    }
}

} // namespace

MarkupState tokenizeLine(QStringView line, MarkupState state, QList<MarkupSpan> *spans,
                         qsizetype from, qsizetype to)
{
    return LineTokenizer(line, spans, from, to).run(state);
}
