// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethelpers.h"

#include "pushbutton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace clubdraw {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

void resizeClient(QWidget* window, int width, int height) {
    window->resize(twips(width), twips(height));
}

void installFontSubstitutes() {
    // Qt turns to a substitute only when the family itself is missing, so
    // there is no need to ask which families are installed.
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans"), QStringLiteral("Tahoma")});
        // Windows ships no Garamond of its own.
        QFont::insertSubstitutions(QStringLiteral("Garamond"),
                                   {QStringLiteral("EB Garamond"), QStringLiteral("EB Garamond 12"),
                                    QStringLiteral("Liberation Serif"),
                                    QStringLiteral("DejaVu Serif"), QStringLiteral("Georgia"),
                                    QStringLiteral("Times New Roman")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

QFont fontOf(const char* family, double points, QFont::Weight weight,
             Underline underline = Underline::No) {
    installFontSubstitutes();
    QFont font(QString::fromLatin1(family));
    // Smoothed, whatever the desktop's default: drawn without smoothing (as
    // Wine does by default), Liberation Sans loses the stem of its "I" at
    // our 11 pixels.
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(weight);
    font.setUnderline(underline == Underline::Yes);
    return font;
}

} // namespace

QFont msSansSerif(double points, Underline underline) {
    // "MS Sans Serif" itself is a bitmap face in a few sizes, on Windows and
    // under Wine (where it loses glyphs at ours); its scalable successor has
    // the same measures and grows with the desktop's scaling.
    return fontOf("Microsoft Sans Serif", points, QFont::Normal, underline);
}
QFont garamondBold(double points) {
    return fontOf("Garamond", points, QFont::Bold);
}
QFont arialBold(double points) {
    return fontOf("Arial", points, QFont::Bold);
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption,
                  Qt::Alignment alignment, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFont(font);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        int left, int top, int width, int height) {
    auto* button = new PushButton(caption, parent);
    button->setObjectName(objectName);
    place(button, left, top, width, height);
    return button;
}

void widenForTranslation(QAbstractButton* button, const QString& english) {
    const int needed = button->sizeHint().width();
    if (button->text() != english && needed > button->width())
        button->resize(needed, button->height());
}

void setTabChain(std::initializer_list<QWidget*> widgets) {
    for (const auto* it = widgets.begin(); it + 1 < widgets.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));
}

void bringToFront(QWidget* window) {
    // A minimised window would stay an icon, and the button seem dead.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace clubdraw
