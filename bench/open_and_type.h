#pragma once

#include <QString>
#include <benchmark/benchmark.h>

// Timings that the page benchmarks and the long-line ones share.

// Opens the sample through the main window, as File > Open does, until its
// first paint; the floor sets the decoded text into a shown bare editor laid
// out like ours and paints it.
void openAndPaint(benchmark::State &state, const QString &name, const QString &text);

// One keystroke per iteration at `position`, in our editor (opened the way
// the program opens files) and in a bare one, each followed by its paint. A
// letter and Backspace take turns, so the line keeps its length.
void keystroke(benchmark::State &state, const QString &name, const QString &text, int position);
