#pragma once

#include <QString>

class QLineEdit;
class QToolButton;
class QWidget;

// The filter of the link and refresh dialogs' browse buttons.
inline constexpr char16_t htmlFileFilter[] = u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*";

// The browse button cmdSansyo beside `target`: the chosen file's bare name,
// lower-cased, replaces the text of `target`, so the link is written relative
// to the page's own folder. Cancelling changes nothing. `label` describes it
// to assistive technology.
QToolButton *makeHtmlBrowseButton(QWidget *parent, QLineEdit *target, const QString &label);
