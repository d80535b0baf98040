// SPDX-License-Identifier: GPL-3.0-or-later
#include "consolelessoutput.h"

#include <QFontDatabase>
#include <QMessageBox>

#ifdef _WIN32
#include <windows.h>
#endif

namespace clubdraw {

bool hasStandardOutput() {
#ifdef _WIN32
    // INVALID_HANDLE_VALUE, without the macro's C cast.
    const HANDLE invalid = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    return handle != nullptr && handle != invalid;
#else
    return true;
#endif
}

void showInMessageBox(const QString& text, bool failed) {
    QMessageBox box(failed ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Clubdraw"), text.trimmed(), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("commandLineBox"));
    // The help lines its columns up with blanks.
    box.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace clubdraw
