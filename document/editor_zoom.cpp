#include "document/editor_zoom.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWheelEvent>

namespace {

constexpr double smallestPoints = 4;
constexpr double largestPoints = 200;

// +1 for Ctrl++, -1 for Ctrl+-, 0 for Ctrl+0; nothing for other keys.
std::optional<int> zoomKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::ControlModifier)
        return std::nullopt;
    switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
        return -1;
    case Qt::Key_0:
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace

EditorZoom::EditorZoom(QPlainTextEdit *editor)
    : QObject(editor)
    , m_editor(editor)
{
    editor->installEventFilter(this);
    editor->viewport()->installEventFilter(this);
}

void EditorZoom::zoomBy(int steps)
{
    if (m_steps == 0)
        m_base = m_editor->font();
    const double base = m_base.pointSizeF();
    if (base <= 0)
        return;
    const double points = qBound(smallestPoints, base + m_steps + steps, largestPoints);
    m_steps = int(points - base);
    QFont font = m_base;
    font.setPointSizeF(points);
    m_editor->setFont(font);
}

void EditorZoom::reset()
{
    if (m_steps == 0)
        return;
    m_steps = 0;
    m_editor->setFont(m_base);
}

bool EditorZoom::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: a widget being destroyed still sends events (focus out)
    // while it is no longer a scroll area.
    if (event->type() == QEvent::Wheel && watched == m_editor->viewport()) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            return false;
        // A notch is 120; touchpads send parts of one.
        m_wheelAngle += wheel->angleDelta().y();
        const int notches = m_wheelAngle / 120;
        m_wheelAngle -= notches * 120;
        if (notches)
            zoomBy(notches);
        return true;
    }
    if (watched != m_editor || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const std::optional<int> step = zoomKey(key);
    if (!step)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Ours, not a menu's: the key comes to the editor.
        event->accept();
        return true;
    }
    if (*step == 0)
        reset();
    else
        zoomBy(*step);
    return true;
}
