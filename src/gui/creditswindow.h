// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "secondarywindow.h"

#include <QStringList>

class QPushButton;

namespace clubdraw {

class PrintBox;

// What the about and thanks windows share: a heading, a box that every
// activation fills afresh, and "Back", which hides the window.
class CreditsWindow : public SecondaryWindow {
    Q_OBJECT
protected:
    CreditsWindow(QStringList lines, QWidget* parent);
    bool event(QEvent* event) override;

    PrintBox* m_box = nullptr;
    QPushButton* m_backButton = nullptr;

private:
    void printLines();

    QStringList m_lines;
};

} // namespace clubdraw
