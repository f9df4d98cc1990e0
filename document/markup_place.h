#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What a character of a page stands in, as a browser reads the markup.
enum class MarkupPlace { Text, AttributeValue, Tag, Comment, Script, Style };

// The place of each of `positions` (ascending) in `page`, in one pass that
// jumps from one '<' (or quote, or end of a comment or script) to the next.
QList<MarkupPlace> markupPlaces(QStringView page, const QList<qsizetype> &positions);

// Text and attribute values are where a browser reads character references.
bool readsReferences(MarkupPlace place);

// "本文", "属性値", "ﾀｸﾞ", "ｺﾒﾝﾄ", "SCRIPT", "STYLE".
QString placeName(MarkupPlace place);
