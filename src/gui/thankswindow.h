// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "creditswindow.h"

namespace clubdraw {

class ThanksWindow : public CreditsWindow {
    Q_OBJECT
public:
    explicit ThanksWindow(QWidget* parent = nullptr);

    // The lines its box shows at every activation.
    static QStringList thanksLines();
};

} // namespace clubdraw
