#include "app/tool_glyphs.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// On the 16 × 16 grid a one-pixel line runs through pixel centres (x.5), so
// it covers whole pixels at 100 % and at 200 % alike.
const QColor ink(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor shade(200, 200, 200);
const QColor blue(30, 90, 190);
const QColor sky(170, 205, 240);
const QColor yellow(240, 190, 50);
const QColor red(205, 45, 35);
const QColor green(40, 145, 60);
const QColor wood(175, 120, 60);

QPen pen(const QColor &color, qreal width = 1.0)
{
    QPen p(color, width);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

void box(QPainter &p, const QRectF &r, const QColor &fill, const QColor &edge = ink)
{
    p.setPen(pen(edge));
    p.setBrush(fill);
    p.drawRect(r);
}

void bar(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &color)
{
    p.fillRect(QRectF(x, y, w, h), color);
}

// A sheet of paper with its top right corner folded.
void page(QPainter &p, qreal left, qreal top, qreal right, qreal bottom)
{
    const qreal fold = 3;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    p.setPen(pen(ink));
    p.setBrush(paper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    p.setBrush(Qt::NoBrush);
    p.drawPath(corner);
}

void arrowHead(QPainter &p, QPointF tip, QPointF back1, QPointF back2, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF{tip, back1, back2});
}

void letter(QPainter &p, const QString &text, bool isBold, bool isItalic, int pixelSize,
            const QRectF &r, const QColor &color = ink)
{
    QFont font;
    font.setStyleHint(isItalic ? QFont::Serif : QFont::SansSerif);
    font.setFamilies({isItalic ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(isBold);
    font.setItalic(isItalic);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

// A small window with its title bar.
void window(QPainter &p, const QRectF &r)
{
    box(p, r, paper);
    bar(p, r.left() + 0.5, r.top() + 0.5, r.width() - 1, 2, blue);
}

// A push button face.
void buttonFace(QPainter &p)
{
    box(p, QRectF(0.5, 3.5, 15, 9), shade);
    p.setPen(pen(paper));
    p.drawLine(QPointF(1.5, 11), QPointF(1.5, 4.5));
    p.drawLine(QPointF(1, 4.5), QPointF(14.5, 4.5));
}

void textLines(QPainter &p, qreal left, std::initializer_list<std::pair<qreal, qreal>> rows,
               const QColor &color = ink)
{
    for (const auto &[y, width] : rows)
        bar(p, left, y, width, 1, color);
}

class GlyphIconEngine final : public QIconEngine
{
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(glyph) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QImage image = render(rect.size() * scale, mode);
        image.setDevicePixelRatio(scale);
        painter->drawImage(rect, image);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return QPixmap::fromImage(render(size, mode));
    }

    // `size` comes in device pixels already.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        QPixmap pixmap = QPixmap::fromImage(render(size, mode));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new GlyphIconEngine(m_glyph); }
    QString key() const override { return QStringLiteral("MarquillGlyph"); }

private:
    QImage render(const QSize &size, QIcon::Mode mode) const
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (size.isEmpty())
            return image;
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.scale(size.width() / 16.0, size.height() / 16.0);
            m_glyph(p);
        }
        if (mode == QIcon::Disabled)
            greyOut(image);
        return image;
    }

    // Light grey shades of the drawing's own brightness, the shape kept.
    static void greyOut(QImage &image)
    {
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(line[x]);
                if (alpha == 0)
                    continue;
                const QRgb plain = qUnpremultiply(line[x]);
                const int grey = 150 + qGray(plain) * 95 / 255;
                line[x] = qPremultiply(qRgba(grey, grey, grey, alpha));
            }
        }
    }

    Glyph m_glyph;
};

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    return QIcon(new GlyphIconEngine(glyph));
}

namespace glyphs {

void newDocument(QPainter &p)
{
    page(p, 2.5, 0.5, 13.5, 15.5);
    bar(p, 11, 10, 4, 1, yellow);
    bar(p, 12.5, 8.5, 1, 4, yellow);
}

void openFolder(QPainter &p)
{
    QPainterPath back;
    back.moveTo(0.5, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(13.5, 4.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(0.5, 13.5);
    back.closeSubpath();
    p.setPen(pen(ink));
    p.setBrush(yellow.darker(115));
    p.drawPath(back);
    QPainterPath flap;
    flap.moveTo(0.5, 13.5);
    flap.lineTo(3.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(12.5, 13.5);
    flap.closeSubpath();
    p.setBrush(yellow);
    p.drawPath(flap);
}

void save(QPainter &p)
{
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(12.5, 1.5);
    disk.lineTo(14.5, 3.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.setPen(pen(ink));
    p.setBrush(blue);
    p.drawPath(disk);
    box(p, QRectF(4.5, 1.5, 7, 5), paper);
    bar(p, 9, 2.5, 1.5, 3, ink);
    box(p, QRectF(3.5, 9.5, 9, 5), shade);
}

void cut(QPainter &p)
{
    p.setPen(pen(ink, 1.5));
    p.drawLine(QPointF(5.5, 10), QPointF(11, 1));
    p.drawLine(QPointF(10.5, 10), QPointF(5, 1));
    p.setPen(pen(red, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
}

void copy(QPainter &p)
{
    page(p, 1.5, 0.5, 9.5, 11.5);
    textLines(p, 3, {{5, 4}, {7, 4}});
    page(p, 6.5, 4.5, 14.5, 15.5);
    textLines(p, 8, {{9, 5}, {11, 5}, {13, 5}});
}

void paste(QPainter &p)
{
    box(p, QRectF(1.5, 2.5, 10, 13), wood);
    box(p, QRectF(4.5, 0.5, 4, 3), shade);
    page(p, 6.5, 5.5, 14.5, 15.5);
    textLines(p, 8, {{9, 5}, {11, 5}, {13, 5}});
}

void undo(QPainter &p)
{
    QPainterPath curve;
    curve.moveTo(12, 14);
    curve.cubicTo(16.5, 10, 13.5, 4, 8, 4.5);
    curve.lineTo(5.5, 4.5);
    p.setPen(pen(blue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    arrowHead(p, QPointF(0.5, 4.5), QPointF(6, 0), QPointF(6, 9), blue);
}

void fontSizeColor(QPainter &p)
{
    letter(p, QStringLiteral("A"), true, false, 13, QRectF(0, -1, 16, 13));
    bar(p, 1, 13, 5, 3, red);
    bar(p, 6, 13, 5, 3, green);
    bar(p, 11, 13, 4, 3, blue);
}

void bold(QPainter &p)
{
    letter(p, QStringLiteral("B"), true, false, 14, QRectF(0, 0, 16, 16));
}

void italic(QPainter &p)
{
    letter(p, QStringLiteral("I"), false, true, 15, QRectF(0, 0, 16, 16));
}

void link(QPainter &p)
{
    p.setPen(pen(blue, 1.5));
    p.setBrush(Qt::NoBrush);
    p.translate(8, 8);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-7.5, -2.5, 8.5, 5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(-1, -2.5, 8.5, 5), 2.5, 2.5);
}

void image(QPainter &p)
{
    box(p, QRectF(0.5, 1.5, 15, 13), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    p.drawEllipse(QPointF(11.5, 5), 2, 2);
    p.setBrush(green);
    p.drawPolygon(QPolygonF{QPointF(1, 14), QPointF(6, 7), QPointF(9, 11), QPointF(11, 9),
                            QPointF(15, 14)});
}

void alignLeft(QPainter &p)
{
    bar(p, 1, 1, 14, 2, ink);
    bar(p, 1, 5, 8, 2, ink);
    bar(p, 1, 9, 14, 2, ink);
    bar(p, 1, 13, 8, 2, ink);
}

void alignCenter(QPainter &p)
{
    bar(p, 1, 1, 14, 2, ink);
    bar(p, 4, 5, 8, 2, ink);
    bar(p, 1, 9, 14, 2, ink);
    bar(p, 4, 13, 8, 2, ink);
}

void alignRight(QPainter &p)
{
    bar(p, 1, 1, 14, 2, ink);
    bar(p, 7, 5, 8, 2, ink);
    bar(p, 1, 9, 14, 2, ink);
    bar(p, 7, 13, 8, 2, ink);
}

void rule(QPainter &p)
{
    textLines(p, 1, {{2, 10}, {4, 7}}, ink.lighter(250));
    box(p, QRectF(0.5, 6.5, 15, 3), shade);
    textLines(p, 1, {{12, 12}, {14, 8}}, ink.lighter(250));
}

void lineBreak(QPainter &p)
{
    QPainterPath hook;
    hook.moveTo(13, 1);
    hook.lineTo(13, 10);
    hook.lineTo(5, 10);
    p.setPen(pen(ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    arrowHead(p, QPointF(0.5, 10), QPointF(6, 5.5), QPointF(6, 14.5), ink);
}

void paragraph(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath bowl;
    bowl.moveTo(9, 1);
    bowl.arcTo(QRectF(2, 1, 8, 8), 90, 180);
    bowl.closeSubpath();
    p.drawPath(bowl);
    bar(p, 6, 1, 8, 1.5, ink);
    bar(p, 8, 1, 1.5, 14, ink);
    bar(p, 11.5, 1, 1.5, 14, ink);
}

void numberedList(QPainter &p)
{
    int row = 0;
    for (const char *digit : {"1", "2", "3"}) {
        const qreal y = row * 5.5;
        letter(p, QString::fromLatin1(digit), true, false, 6, QRectF(0, y, 5, 5), blue);
        bar(p, 6, y + 2, 9, 1.5, ink);
        ++row;
    }
}

void bulletList(QPainter &p)
{
    for (int row = 0; row < 3; ++row) {
        const qreal y = 2.5 + row * 5.5;
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(QPointF(2.5, y), 2, 2);
        bar(p, 6, y - 0.75, 9, 1.5, ink);
    }
}

void browser(QPainter &p)
{
    p.setPen(pen(blue));
    p.setBrush(sky);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 3, 7);
    p.drawLine(QPointF(8, 1), QPointF(8, 15));
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
    p.drawLine(QPointF(2.5, 4.5), QPointF(13.5, 4.5));
    p.drawLine(QPointF(2.5, 11.5), QPointF(13.5, 11.5));
}

void exit(QPainter &p)
{
    box(p, QRectF(1.5, 0.5, 8, 15), wood);
    bar(p, 7, 8, 1.5, 1.5, yellow);
    p.setPen(pen(green, 2));
    p.drawLine(QPointF(8, 8), QPointF(12, 8));
    arrowHead(p, QPointF(16, 8), QPointF(11.5, 3.5), QPointF(11.5, 12.5), green);
}

void textBox(QPainter &p)
{
    box(p, QRectF(0.5, 4.5, 15, 7), paper);
    textLines(p, 2, {{8, 5}});
    bar(p, 8, 6, 1, 4, ink);
}

void multiLine(QPainter &p)
{
    box(p, QRectF(0.5, 0.5, 15, 15), paper);
    box(p, QRectF(11.5, 0.5, 4, 15), shade);
    bar(p, 12, 3, 3, 4, ink.lighter(200));
    textLines(p, 2, {{3, 8}, {6, 6}, {9, 8}, {12, 5}});
}

void checkBox(QPainter &p)
{
    box(p, QRectF(1.5, 1.5, 13, 13), paper);
    QPainterPath tick;
    tick.moveTo(4, 8);
    tick.lineTo(7, 11);
    tick.lineTo(12.5, 4.5);
    p.setPen(pen(green, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void radioButton(QPainter &p)
{
    p.setPen(pen(ink));
    p.setBrush(paper);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(8, 8), 3, 3);
}

void submitButton(QPainter &p)
{
    buttonFace(p);
    p.setPen(pen(green, 2));
    p.drawLine(QPointF(3.5, 8), QPointF(8.5, 8));
    arrowHead(p, QPointF(12.5, 8), QPointF(8, 4.5), QPointF(8, 11.5), green);
}

void resetButton(QPainter &p)
{
    buttonFace(p);
    p.setPen(pen(red, 1.5));
    p.drawLine(QPointF(5, 5.5), QPointF(11, 10.5));
    p.drawLine(QPointF(11, 5.5), QPointF(5, 10.5));
}

void listBox(QPainter &p)
{
    box(p, QRectF(0.5, 0.5, 15, 15), paper);
    bar(p, 1, 6, 14, 4, blue);
    textLines(p, 3, {{3, 8}, {12, 7}});
    textLines(p, 3, {{7.5, 9}}, paper);
}

void dropDown(QPainter &p)
{
    box(p, QRectF(0.5, 4.5, 15, 7), paper);
    box(p, QRectF(9.5, 4.5, 6, 7), shade);
    textLines(p, 2, {{8, 6}});
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF{QPointF(10.5, 7), QPointF(14.5, 7), QPointF(12.5, 9.5)});
}

void marquee(QPainter &p)
{
    p.setPen(pen(blue, 1.5));
    p.drawLine(QPointF(5, 3), QPointF(15, 3));
    arrowHead(p, QPointF(0.5, 3), QPointF(5, 0), QPointF(5, 6), blue);
    box(p, QRectF(0.5, 7.5, 15, 7), sky);
    bar(p, 2, 9.5, 3, 3, ink);
    bar(p, 6.5, 9.5, 3, 3, ink);
    bar(p, 11, 9.5, 3, 3, ink);
}

void palette(QPainter &p)
{
    QPainterPath board;
    board.addEllipse(QRectF(0.5, 2.5, 15, 11));
    QPainterPath hole;
    hole.addEllipse(QPointF(11, 10), 1.5, 1.5);
    p.setPen(pen(ink));
    p.setBrush(QColor(235, 205, 150));
    p.drawPath(board.subtracted(hole));
    p.setPen(Qt::NoPen);
    const std::pair<QPointF, QColor> dots[] = {
        {QPointF(4, 6.5), red}, {QPointF(7.5, 5), yellow}, {QPointF(11.5, 6), green},
        {QPointF(4.5, 10.5), blue}};
    for (const auto &[centre, color] : dots) {
        p.setBrush(color);
        p.drawEllipse(centre, 1.6, 1.6);
    }
}

void comment(QPainter &p)
{
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(0.5, 1.5, 15, 9), 2, 2);
    QPainterPath tail;
    tail.moveTo(3.5, 9);
    tail.lineTo(3.5, 14.5);
    tail.lineTo(8.5, 9);
    tail.closeSubpath();
    p.setPen(pen(ink));
    p.setBrush(paper);
    p.drawPath(balloon.united(tail));
    for (qreal x : {4.0, 7.5, 11.0})
        bar(p, x, 5.5, 1.5, 1.5, ink);
}

void indent(QPainter &p)
{
    bar(p, 1, 1, 14, 2, ink);
    arrowHead(p, QPointF(5.5, 8), QPointF(1, 4.5), QPointF(1, 11.5), blue);
    bar(p, 7, 5, 8, 2, ink);
    bar(p, 7, 9, 8, 2, ink);
    bar(p, 1, 13, 14, 2, ink);
}

void rules(QPainter &p)
{
    bar(p, 1, 1, 14, 3, ink);
    box(p, QRectF(0.5, 6.5, 15, 3), shade);
    for (qreal x = 1; x < 15; x += 3)
        bar(p, x, 12, 2, 1, ink);
    bar(p, 1, 14.5, 14, 1, red);
}

void table(QPainter &p)
{
    box(p, QRectF(0.5, 1.5, 15, 13), paper);
    bar(p, 1, 2, 14, 3.5, sky);
    p.setPen(pen(ink));
    p.drawLine(QPointF(5.5, 2), QPointF(5.5, 14));
    p.drawLine(QPointF(10.5, 2), QPointF(10.5, 14));
    p.drawLine(QPointF(1, 5.5), QPointF(15, 5.5));
    p.drawLine(QPointF(1, 10.5), QPointF(15, 10.5));
}

void frames(QPainter &p)
{
    box(p, QRectF(0.5, 0.5, 15, 15), paper);
    bar(p, 1, 1, 4.5, 14, sky);
    p.setPen(pen(ink));
    p.drawLine(QPointF(5.5, 1), QPointF(5.5, 15));
    p.drawLine(QPointF(6, 6.5), QPointF(15, 6.5));
}

void tile(QPainter &p)
{
    window(p, QRectF(0.5, 0.5, 15, 7));
    window(p, QRectF(0.5, 8.5, 15, 7));
}

void cascade(QPainter &p)
{
    window(p, QRectF(0.5, 0.5, 10, 8));
    window(p, QRectF(3.5, 3.5, 10, 8));
    window(p, QRectF(5.5, 6.5, 10, 9));
}

} // namespace glyphs
