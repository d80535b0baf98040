// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "errorbox.h"
#include "widgethelpers.h"

#include <new>

namespace clubdraw {

namespace {

// Qt's own texts that the windows can show: the error box's buttons, the
// context menus of text and of scroll bars. Qt has no translation of them
// for every language the program speaks (Debian's has no Bokmål), so the
// program's own translations carry them, on every platform.
[[maybe_unused]] constexpr const char* qtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QMessageBox", "Show Details..."),
    QT_TRANSLATE_NOOP("QMessageBox", "Hide Details..."),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll here"),
    QT_TRANSLATE_NOOP("QScrollBar", "Left edge"),
    QT_TRANSLATE_NOOP("QScrollBar", "Top"),
    QT_TRANSLATE_NOOP("QScrollBar", "Right edge"),
    QT_TRANSLATE_NOOP("QScrollBar", "Bottom"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page left"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page up"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page right"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page down"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll left"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll up"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll right"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll down"),
};

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    installFontSubstitutes();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const RunError& error) {
        fail(error);
    } catch (const std::bad_alloc&) {
        fail(RunError(RunError::MemoryExhausted, {}));
    } catch (const std::exception& error) {
        fail(RunError(RunError::Unexpected, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        fail(RunError(RunError::Unexpected, {}));
    }
    return true;
}

void Application::fail(const RunError& error) {
    // The error box runs its own loop; anything failing meanwhile is a
    // consequence of the first error, not news.
    if (m_failed)
        return;
    m_failed = true;
    ErrorBox::report(error);
    // main() turns failed() into the exit status.
    quit();
}

} // namespace clubdraw
