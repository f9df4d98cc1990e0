#pragma once

#include "app/tool_glyphs.h"

#include <QFrame>
#include <QList>
#include <span>

class QMenu;
class QToolButton;

// Where a button stands, from the button before it in its bar.
enum class ButtonPlace {
    First,  // at the bar's left margin
    Next,   // right after the previous button
    Gap,    // after the previous button and a small gap
    Under,  // under the button `under` of the bar above
};

// One toolbar button. It triggers a menu entry, named as in the menu rows:
// `entry` of the active document window, or `mainEntry` of the main window,
// and it is enabled while that entry is.
struct ToolButtonRow {
    const char *name = "";
    // Tooltip text before a "|", status-bar text after it.
    const char *hint = "";
    Glyph glyph = nullptr;
    ButtonPlace placement = ButtonPlace::Next;
    const char *under = "";
    const char *entry = "";
    const char *mainEntry = "";
};

// The basic bar (SpeedPanel) and the extended bar below it (pnlExt).
std::span<const ToolButtonRow> speedPanelRows();
std::span<const ToolButtonRow> extPanelRows();

namespace toolbar {
constexpr int PanelHeight = 27;
constexpr int ButtonSize = 23;
constexpr int ButtonTop = 2;
constexpr int FirstLeft = 10;
constexpr int GapWidth = 4;
} // namespace toolbar

// The left edge of every row's button, shown or not. `above` is the bar
// that Under rows align with.
QList<int> buttonLefts(std::span<const ToolButtonRow> rows,
                       std::span<const ToolButtonRow> above = {});

// The tooltip and the status-bar text of a hint: "切り取り|" is "切り取り" and "".
QString shortHint(const char *hint);
QString longHint(const char *hint);

// A toolbar: a strip of buttons at fixed places, with a pop-up menu.
// Assistive tools know it as a toolbar by its name (see bar_accessibility.h).
class TToolPanel : public QFrame
{
    Q_OBJECT
public:
    TToolPanel(const QString &name, const QString &description, QWidget *parent);

    // The button of `row` at `left`, known to assistive tools by the row's name.
    QToolButton *addButton(const ToolButtonRow &row, int left);
    QList<QToolButton *> buttons() const { return m_buttons; }

    // Shown on a right click anywhere on the panel.
    QMenu *popupMenu = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A disabled button would swallow the right click; the panel takes it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QToolButton *> m_buttons;
};
