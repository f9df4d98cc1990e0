#pragma once

#include <QString>

// The n-th comma-separated field of `text`, counted from 1. n of 0 or less,
// or beyond the last field, gives an empty string; "a,,b" has an empty field 2.
QString NthCommaField(const QString &text, int n);
