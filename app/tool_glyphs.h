#pragma once

#include <QIcon>

class QPainter;

// A toolbar image, drawn on a 16 × 16 grid. Drawn rather than loaded, so it
// stays sharp at any screen scale.
using Glyph = void (*)(QPainter &);

// The icon of a glyph: the drawing as it is, and greyed for a disabled button.
QIcon glyphIcon(Glyph glyph);

namespace glyphs {

void newDocument(QPainter &p);
void openFolder(QPainter &p);
void save(QPainter &p);
void cut(QPainter &p);
void copy(QPainter &p);
void paste(QPainter &p);
void undo(QPainter &p);
void fontSizeColor(QPainter &p);
void bold(QPainter &p);
void italic(QPainter &p);
void link(QPainter &p);
void image(QPainter &p);
void alignLeft(QPainter &p);
void alignCenter(QPainter &p);
void alignRight(QPainter &p);
void rule(QPainter &p);
void lineBreak(QPainter &p);
void paragraph(QPainter &p);
void numberedList(QPainter &p);
void bulletList(QPainter &p);
void browser(QPainter &p);
void exit(QPainter &p);

void textBox(QPainter &p);
void multiLine(QPainter &p);
void checkBox(QPainter &p);
void radioButton(QPainter &p);
void submitButton(QPainter &p);
void resetButton(QPainter &p);
void listBox(QPainter &p);
void dropDown(QPainter &p);
void marquee(QPainter &p);
void palette(QPainter &p);
void comment(QPainter &p);
void indent(QPainter &p);
void rules(QPainter &p);
void table(QPainter &p);
void frames(QPainter &p);
void tile(QPainter &p);
void cascade(QPainter &p);

} // namespace glyphs
