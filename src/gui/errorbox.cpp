// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorbox.h"

#include "core/programmessage.h"

#include <QMessageBox>

#include <utility>

namespace clubdraw {

namespace {

void showBox(QMessageBox::Icon icon, const QString& text, const QString& details = {}) {
    QMessageBox box(icon, QStringLiteral("Clubdraw"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    box.exec();
}

} // namespace

void ErrorBox::report(const RunError& error) {
    writeProgramMessage(error.oneLine());
    if (const Hook& hook = slot<Hook>()) {
        hook(error);
        return;
    }
    // The box names the first places; the rest are a click away, so the
    // box never outgrows the screen.
    showBox(QMessageBox::Critical, error.message(),
            error.places().size() > RunError::placesShown ? error.places().join(u'\n') : QString());
}

void ErrorBox::warn(const QString& text) {
    writeProgramMessage(text);
    if (const WarningHook& hook = slot<WarningHook>()) {
        hook(text);
        return;
    }
    showBox(QMessageBox::Warning, text);
}

} // namespace clubdraw
