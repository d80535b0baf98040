// SPDX-License-Identifier: GPL-3.0-or-later
#include "creditswindow.h"

#include "printbox.h"
#include "pushbutton.h"
#include "widgethelpers.h"

#include <QEvent>
#include <QPushButton>

namespace clubdraw {

CreditsWindow::CreditsWindow(QStringList lines, QWidget* parent)
    : SecondaryWindow(parent), m_box(new PrintBox(this)), m_lines(std::move(lines)) {
    setFont(msSansSerif());
    m_box->setObjectName(QStringLiteral("creditsBox"));
    //: Button: hide this window
    m_backButton = new PushButton(tr("Back"), this);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    connect(m_backButton, &QPushButton::clicked, this, &QWidget::hide);
}

bool CreditsWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        printLines();
    return QWidget::event(event);
}

void CreditsWindow::printLines() {
    // Cleared first, so any number of activations leaves one copy.
    m_box->clear();
    for (const QString& line : m_lines)
        m_box->printLine(line);
}

} // namespace clubdraw
