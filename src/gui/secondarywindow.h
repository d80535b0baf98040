// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace clubdraw {

// A window that the main window opens, one instance at a time, modeless and
// without owner: "Back" hides it with everything kept; closing it through
// its title bar discards it.
class SecondaryWindow : public QWidget {
    Q_OBJECT
Q_SIGNALS:
    // Closed through the title bar: gone for the user at once, though Qt
    // deletes the window only when the event loop next gets to it.
    void closed();

protected:
    explicit SecondaryWindow(QWidget* parent = nullptr);
    void closeEvent(QCloseEvent* event) override;
};

} // namespace clubdraw
