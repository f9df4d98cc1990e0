#include "dialogs/links/frame_target_tag.h"

using namespace Qt::StringLiterals;

TagTexts frameTargetTag(const FrameTargetOptions &o)
{
    return {u"<BASE TARGET=\""_s + o.target + u"\">\r\n"_s, {}};
}

Reopened<FrameTargetOptions> reopenFrameTarget(const TagElement &base)
{
    TagFields fields(base);
    return reopenedTag(base, FrameTargetOptions{fields.takeText(u"TARGET")}, fields);
}
