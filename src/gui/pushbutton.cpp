// SPDX-License-Identifier: GPL-3.0-or-later
#include "pushbutton.h"

#include <QKeyEvent>

namespace clubdraw {

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Never the window's default: Enter presses the focused button only.
    setAutoDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace clubdraw
