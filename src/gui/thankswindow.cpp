// SPDX-License-Identifier: GPL-3.0-or-later
#include "thankswindow.h"

#include "printbox.h"
#include "widgethelpers.h"

#include <QLabel>
#include <QPushButton>

namespace clubdraw {

QStringList ThanksWindow::thanksLines() {
    return {tr("The Qt Project"),
            tr("for the Qt toolkit"),
            QString(),
            tr("The Debian Project"),
            tr("for the system it is built on"),
            QString(),
            tr("Every player who reports a fault"),
            tr("for making Clubdraw better")};
}

ThanksWindow::ThanksWindow(QWidget* parent) : CreditsWindow(thanksLines(), parent) {
    setObjectName(QStringLiteral("thanksWindow"));
    setWindowTitle(tr("Thanks to"));
    resizeClient(this, 4680, 3195);
    QLabel* title = makeLabel(this, QStringLiteral("titleLabel"), tr("Thanks to :"), Qt::AlignLeft,
                              arialBold());
    place(title, 360, 360, 2175, 375);
    place(m_box, 360, 720, 3375, 1815);
    m_box->setAccessibleName(title->text());
    // The heading reaches a pixel into the box; keep the box's border whole.
    m_box->raise();
    place(m_backButton, 3840, 2640, 735, 375);
    setTabOrder(m_box, m_backButton);
    m_box->setFocus();
}

} // namespace clubdraw
