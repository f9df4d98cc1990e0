#pragma once

#include "document/tag_reader.h"

#include <QColor>
#include <QList>
#include <QString>
#include <initializer_list>
#include <optional>

// What reopening a tag in its dialog keeps beside the options read from it.
struct KeptAttributes {
    // Attributes the dialog does not write: they stay, spelled as they were,
    // after the ones it writes.
    QList<TagAttribute> unknown;
    // Attributes the dialog writes but whose value it cannot show (a colour
    // name, a size it has no step for): each stays as it was while its
    // control keeps what the dialog opened with.
    QList<TagAttribute> unshown;
    bool operator==(const KeptAttributes &) const = default;
};

// A dialog's options read from a tag, what they leave to keep, and the
// stretch of the text the dialog's markup replaces.
template <typename Options>
struct Reopened {
    Options options;
    KeptAttributes kept;
    qsizetype from = 0;
    qsizetype to = 0;
    // Whether the dialog's whole markup replaces [from, to); otherwise only
    // the first tag of it does.
    bool whole = false;
};


// The attributes of one tag, taken one by one by a reader; what no reader
// takes stays as unknown.
class TagFields
{
public:
    explicit TagFields(const TagElement &element);

    // The value of the first attribute of that name not taken yet.
    std::optional<QString> take(QStringView upperName);
    // The attribute's value, empty when the tag does not have it.
    QString takeText(QStringView upperName) { return take(upperName).value_or(QString()); }
    // Reads the attribute's value into `value`; true when the tag has it.
    bool takeInto(QStringView upperName, QString &value);
    // Two attributes the dialog writes together (a margin, a spacing): true
    // when the tag has either; the one it lacks reads as empty.
    bool takePair(QStringView first, QStringView second, QString &firstValue, QString &secondValue);
    // Takes the attribute only when its value is `word`, in any case.
    bool takeWord(QStringView upperName, QStringView word);
    // A size in pixels or, ending in '%', a percentage: `value` without the
    // '%'; true when the tag has it.
    bool takeSize(QStringView upperName, QString &value, bool &percent);
    // LOOP: `infinite` for INFINITE in any case, else the count; true when
    // the tag has it.
    bool takeLoop(bool &infinite, QString &count);
    // Whether the tag has that attribute (a value, if any, is ignored).
    bool takeFlag(QStringView upperName) { return take(upperName).has_value(); }
    // A colour attribute read into `value` (a colour it cannot show leaves
    // `value` and is kept); true when the tag has the attribute.
    bool takeColor(QStringView upperName, QColor &value);
    // The attribute last taken has a value its dialog cannot show.
    void cannotShow();
    // The attribute last taken is not the dialog's after all: it stays as
    // unknown.
    void giveBack();
    // Keeps every attribute not taken, in its order.
    KeptAttributes kept() const;

private:
    QList<TagAttribute> m_attributes;
    QList<bool> m_taken;
    QList<TagAttribute> m_unshown;
    qsizetype m_last = -1;
};

// The word of `words` that `value` is, in any case, spelled as in `words`.
std::optional<QString> oneOf(QStringView value, std::initializer_list<QStringView> words);

// A start tag reopened: the first tag written replaces it.
template <typename Options>
Reopened<Options> reopenedTag(const TagElement &element, Options options, const TagFields &fields)
{
    return {std::move(options), fields.kept(), element.start, element.end, false};
}

// "#RRGGBB" or "RRGGBB", any case.
std::optional<QColor> colorFromCode(QStringView text);

// The tag starting at `text[0]`, up to its '>'; the whole text when it
// holds no tag there.
QString firstTag(const QString &text);

// `written` (markup starting with the tag the dialog writes) with what the
// reopened tag keeps: an attribute that could not be shown is put back, as
// it was, in place of what the dialog writes for it while that is what the
// dialog wrote from the tag unchanged (`writtenAsRead`); the unknown
// attributes follow the written ones.
QString withKeptAttributes(const QString &written, const QString &writtenAsRead, const KeptAttributes &kept);
