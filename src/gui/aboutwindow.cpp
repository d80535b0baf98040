// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutwindow.h"

#include "core/version.h"
#include "printbox.h"
#include "widgethelpers.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>

namespace clubdraw {

QStringList AboutWindow::creditLines() {
    // No made-up address: the project has none to give yet.
    // The indented lines keep their two leading blanks in every language.
    return {//: Credits: "by" the people named below
            tr("by"), QString(),
            //: Credit line; keep the two leading blanks
            tr("  The Clubdraw developers"),
            //: Credit line; keep the two leading blanks
            tr("  Free software under the GNU GPL,"),
            //: Credit line; keep the two leading blanks
            tr("  version 3 or later"), QString(),
            //: Credit line; keep the two leading blanks. %1 is the release's month, as 12/2026
            tr("  No e-mail address yet (as of %1)")
                .arg(QDate::fromString(QLatin1String(releaseDay), Qt::ISODate)
                         .toString(QStringLiteral("MM/yyyy")))};
}

AboutWindow::AboutWindow(QWidget* parent) : CreditsWindow(creditLines(), parent) {
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About"));
    resizeClient(this, 4740, 3270);
    QLabel* title =
        makeLabel(this, QStringLiteral("titleLabel"),
                  //: Followed by the version, such as 3.00
                  tr("Clubdraw v. ") + QLatin1String(shortVersion), Qt::AlignLeft, arialBold());
    place(title, 360, 360, 3495, 255);
    place(m_backButton, 3840, 2760, 735, 375);
    place(m_box, 360, 840, 3375, 1695);
    m_box->setAccessibleName(tr("Credits"));
    // The label takes no focus, so "Back" comes first.
    setTabOrder(m_backButton, m_box);
    m_backButton->setFocus();
}

} // namespace clubdraw
