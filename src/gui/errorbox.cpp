// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorbox.h"

#include "core/version.h"

#include <QMessageBox>

#include <cstdio>
#include <utility>

namespace clubdraw {

namespace {
ErrorBox::Hook& hook() {
    static ErrorBox::Hook instance;
    return instance;
}
} // namespace

void ErrorBox::setHook(Hook h) {
    hook() = std::move(h);
}

ErrorBox::ScopedHook::ScopedHook(Hook hook)
    : m_previous(std::exchange(clubdraw::hook(), std::move(hook))) {}

ErrorBox::ScopedHook::~ScopedHook() {
    clubdraw::hook() = std::move(m_previous);
}

void ErrorBox::report(const RunError& error) {
    const QString line = QLatin1String(programName) + QStringLiteral(": ") + error.oneLine();
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    if (hook()) {
        hook()(error);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Clubdraw"), error.message(),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // The box names the first places; the rest are a click away, so the
    // box never outgrows the screen.
    if (error.places().size() > RunError::placesShown)
        box.setDetailedText(error.places().join(u'\n'));
    box.exec();
}

} // namespace clubdraw
