#pragma once

#include <QWidget>

class TDocEditor;

// Line numbers down the left edge of an editor: one per line of the text
// (a wrapped line keeps one number), as wide as the largest number needs.
class LineGutter : public QWidget
{
public:
    explicit LineGutter(TDocEditor *editor);

    void setShown(bool shown);
    int neededWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitWidth();
    void followUpdate(const QRect &rect, int dy);

    TDocEditor *m_editor;
    int m_digits = 0;
};
