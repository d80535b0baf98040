// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "creditswindow.h"

namespace clubdraw {

class AboutWindow : public CreditsWindow {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // The lines its box shows at every activation.
    static QStringList creditLines();
};

} // namespace clubdraw
