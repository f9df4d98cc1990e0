#pragma once

#include <QStringView>
#include <optional>

struct TagRange {
    qsizetype start;
    qsizetype length;
    friend bool operator==(const TagRange &, const TagRange &) = default;
};

struct TagPartners {
    TagRange here;
    TagRange partner;
};

// The start or end tag holding `caret` and its partner: the matching end tag
// after a start tag, the matching start tag before an end tag, tags of the
// same name nested between counted, comments skipped. Nothing for a caret
// outside a tag, an empty element, or a partner not within `reach`
// characters of the caret; nothing further than that is read.
std::optional<TagPartners> findPartnerTag(QStringView text, qsizetype caret,
                                          qsizetype reach = qsizetype(1) << 20);
