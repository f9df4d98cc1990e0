#pragma once

#include <QString>
#include <optional>

// The number check of every dialog's OK: optional leading blanks, then an
// optional sign and decimal digits, or "$" and hexadecimal digits (no sign),
// nothing after, within the signed 32-bit range.
// The empty text is not a number. Callers keep the text as typed; this only
// tells whether it passes and what it means.
std::optional<int> wholeNumberValue(const QString &text);

inline bool isWholeNumber(const QString &text)
{
    return wholeNumberValue(text).has_value();
}
