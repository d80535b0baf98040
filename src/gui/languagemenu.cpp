// SPDX-License-Identifier: GPL-3.0-or-later
#include "languagemenu.h"

#include <QAction>
#include <QActionGroup>
#include <QSettings>

namespace clubdraw {

LanguageMenu::LanguageMenu(QWidget* parent, Settings settings)
    : QMenu(parent), m_settings(std::move(settings)) {
    if (!m_settings)
        m_settings = [] { return std::make_unique<QSettings>(); };
    setObjectName(QStringLiteral("languageMenu"));
    //: Menu of the three language entries
    setTitle(tr("Language"));
    const QString later = tr("Takes effect the next time Clubdraw starts");
    const LanguageChoice kept = keptLanguage(*m_settings());
    // Each language is named in itself, as a reader of it looks for it.
    const struct {
        LanguageChoice choice;
        const char* objectName;
        QString caption;
    } entries[] = {
        {LanguageChoice::FollowSystem, "followSystemLanguage", tr("Follow the system")},
        {LanguageChoice::English, "englishLanguage", QStringLiteral("English")},
        {LanguageChoice::NorwegianBokmal, "norwegianBokmalLanguage",
         QStringLiteral("Norsk bokmål")},
    };
    auto* group = new QActionGroup(this);
    for (const auto& entry : entries) {
        QAction* action = addAction(entry.caption);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        action->setCheckable(true);
        action->setChecked(entry.choice == kept);
        action->setStatusTip(later);
        action->setToolTip(later);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, choice = entry.choice] { choose(choice); });
    }
    addSeparator();
    QAction* note = addAction(later);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setEnabled(false);
}

void LanguageMenu::choose(LanguageChoice choice) {
    const std::unique_ptr<QSettings> settings = m_settings();
    keepLanguage(*settings, choice);
}

} // namespace clubdraw
