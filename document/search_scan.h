#pragma once

#include <QChar>
#include <QStringView>

// The text scan behind Find, Find Next and Replace. It works on the editor's
// Unicode text, one UTF-16 unit per step, so a match always starts and ends
// on whole characters.

struct SearchOptions {
    bool down = true;        // direction
    bool matchCase = false;  // off: ASCII letters match either case, nothing else folds
    bool wholeWord = false;
};

// Everything but the ASCII digits and letters ends a word: "_", punctuation,
// blanks, line breaks and every non-ASCII character.
bool isWordBreak(QChar c);

// Searching down starts right after the selection; searching up finds the
// nearest match that ends at or before the selection start. With wholeWord the
// scan moves word by word, and going down it first leaves the word it starts
// in, so a word beginning right at the start is passed over.
// Returns the offset of the match in `buffer`, or -1.
qsizetype ScanBuffer(QStringView buffer, qsizetype selStart, qsizetype selLength,
                     QStringView text, const SearchOptions &options);
