// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/languagechoice.h"

#include <QMenu>

#include <functional>
#include <memory>

class QSettings;

namespace clubdraw {

// "Language": follow the system, English or Norsk bokmål, one of them
// ticked. The choice is kept for the user and takes effect at the next
// start, which the menu says.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    // Where the choice is kept; by default the user's own settings.
    using Settings = std::function<std::unique_ptr<QSettings>()>;
    explicit LanguageMenu(QWidget* parent, Settings settings = {});

private:
    void choose(LanguageChoice choice);

    Settings m_settings;
};

} // namespace clubdraw
