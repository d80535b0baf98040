// SPDX-License-Identifier: GPL-3.0-or-later
// What the tools that work the windows share.
#pragma once

#include <QObject>
#include <QString>

// The control of that object name under `parent`; a tool without it cannot
// go on, so it ends there, saying which.
template <typename T> T* child(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}
