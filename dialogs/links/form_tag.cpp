#include "dialogs/links/form_tag.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Blanks and control characters at either end do not count; a full-width
// space is text.
bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ' || c.category() == QChar::Other_Control;
}

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), isBlankOrControl);
}

} // namespace

TagTexts formTag(const FormOptions &o)
{
    QString start = u"<FORM"_s;
    if (!o.action.isEmpty()) {
        start += o.action.contains(u'@') ? u" ACTION=\"mailto:"_s : u" ACTION=\""_s;
        start += o.action;
        if (o.subject && !isBlank(o.subjectText))
            start += u"?subject="_s + o.subjectText;
        start += o.get ? u"\" METHOD=get"_s : u"\" METHOD=post"_s;
    }
    if (o.multipart)
        start += u" enctype=\"multipart/form-data\""_s;
    start += u">\r\n"_s;
    return {start, u"</FORM>\r\n"_s};
}

Reopened<FormOptions> reopenForm(const TagElement &form, FormOptions o)
{
    TagFields fields(form);
    o.action = fields.takeText(u"ACTION");
    o.subject = false;
    const QString mailto = u"mailto:"_s;
    if (o.action.startsWith(mailto, Qt::CaseInsensitive) && o.action.contains(u'@')) {
        o.action = o.action.mid(mailto.size());
        if (const qsizetype subject = o.action.indexOf(u"?subject="); subject >= 0) {
            o.subject = true;
            o.subjectText = o.action.mid(subject + 9);
            o.action.truncate(subject);
        }
    }
    o.get = false;
    if (const auto method = fields.take(u"METHOD")) {
        if (const auto word = oneOf(*method, {u"get", u"post"}))
            o.get = *word == u"get";
        else
            fields.cannotShow();
    }
    o.multipart = false;
    if (const auto enctype = fields.take(u"ENCTYPE")) {
        o.multipart = true;
        if (enctype->compare(u"multipart/form-data", Qt::CaseInsensitive) != 0)
            fields.cannotShow();
    }
    return reopenedTag(form, o, fields);
}
