#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/text/list_tag.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

// The small picture beside a mark type: what a browser draws for it.
class MarkSample : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { BlackSquare, BlackCircle, WhiteCircle };
    MarkSample(Shape shape, QWidget *parent = nullptr);

    Shape shape() const { return m_shape; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape;
};

// The mark type of a bulleted list. Every show starts on "disk".
class TfrmMarkList : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmMarkList(QWidget *parent = nullptr);

    void reset() override;
    BulletedListOptions options() const { return {m_markType}; }
    void setOptions(const BulletedListOptions &options);

    QRadioButton *optSquare;
    QRadioButton *optDisk;
    QRadioButton *optCircle;
    MarkSample *shpSquare;
    MarkSample *shpDisk;
    MarkSample *shpCircle;

private:
    // Set by the radio buttons.
    QString m_markType;
};

// The number type and start number of a numbered list. Every show starts
// on "A" and 1; a start that is no whole number becomes "1" at OK.
class TfrmNumList : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmNumList(QWidget *parent = nullptr);

    void reset() override;
    NumberedListOptions options() const;
    void setOptions(const NumberedListOptions &options);

    QRadioButton *optUpperLetter;
    QRadioButton *optLowerLetter;
    QRadioButton *optUpperRoman;
    QRadioButton *optLowerRoman;
    QRadioButton *optArabic;
    QLineEdit *txtStart;

protected:
    void checkAtOk() override;

private:
    // Set by the radio buttons.
    QString m_numberType;
};
