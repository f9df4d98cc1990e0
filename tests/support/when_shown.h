#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Runs `interact` on the modal window of type `Window` as soon as it is
// shown, then makes sure it is closed, so a command under test never waits
// on it. Schedule before calling the command.
template <typename Window>
void whenShown(std::function<void(Window &)> interact)
{
    QTimer::singleShot(0, [interact] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        if (!window) {
            ADD_FAILURE() << "the expected window is not showing";
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        interact(*window);
        if (window->isVisible()) {
            ADD_FAILURE() << "the window was left open";
            window->close();
        }
    });
}
