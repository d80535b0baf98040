// SPDX-License-Identifier: GPL-3.0-or-later
#include "guitestsupport.h"

#include "gui/resultpanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace clubdraw::testing {

void click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint at = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void expectCaptionsFit(const QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString text;
        int room = w->width();
        if (auto* b = qobject_cast<QPushButton*>(w))
            text = b->text(), room -= 8;
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text(), room -= 20; // indicator and its spacing
        else if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        if (text.isEmpty())
            continue;
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), room) << text.toStdString();
    }
}

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

bool waitForReveal(const QObject* window, int timeoutMs) {
    auto* panel = window->findChild<ResultPanel*>(QStringLiteral("resultPanel"));
    if (!panel)
        return false;
    if (!panel->isRevealing())
        return true;
    QSignalSpy landed(panel, &ResultPanel::revealFinished);
    return landed.wait(timeoutMs);
}

} // namespace clubdraw::testing
