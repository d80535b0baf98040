// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondarywindow.h"

#include <QCloseEvent>

namespace clubdraw {

SecondaryWindow::SecondaryWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closed();
}

} // namespace clubdraw
