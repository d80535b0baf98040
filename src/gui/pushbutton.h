// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace clubdraw {

// A push button that Enter and Return press as Space does. Outside dialogs
// Qt leaves those keys to the window, where nothing takes them.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace clubdraw
