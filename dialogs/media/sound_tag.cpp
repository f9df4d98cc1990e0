#include "dialogs/media/sound_tag.h"

using namespace Qt::StringLiterals;

TagTexts soundTag(const SoundOptions &o)
{
    QString tag = u"<BGSOUND SRC=\""_s + o.fileName + u'"';
    if (o.loop)
        tag += o.infinite ? u" LOOP=INFINITE"_s : u" LOOP="_s + o.loopCount;
    tag += u">\r\n"_s;
    return {tag, {}};
}

Reopened<SoundOptions> reopenSound(const TagElement &sound, SoundOptions o)
{
    TagFields fields(sound);
    o.fileName = fields.takeText(u"SRC");
    o.loop = fields.takeLoop(o.infinite, o.loopCount);
    return reopenedTag(sound, o, fields);
}
