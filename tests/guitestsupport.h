// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for tests of the windows.
#pragma once

#include "testsupport.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QListWidget;
class QWidget;

namespace clubdraw::testing {

// The named child, failing the test when there is none.
template <typename T> T* child(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no child named " << name;
    return found;
}

// A left click where a user would click: check boxes and option buttons
// on their indicator, push buttons in their middle.
void click(QAbstractButton* button);

// Every caption of a button or label of the window fits on its control
// in the language in use.
void expectCaptionsFit(const QWidget* window);

// The entries of a list box, top to bottom.
QStringList texts(const QListWidget* list);

// Waits until the result panel inside `window` lands; false on time-out.
bool waitForReveal(const QObject* window, int timeoutMs = 5000);

} // namespace clubdraw::testing
