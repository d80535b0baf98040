// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <initializer_list>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

namespace clubdraw {

// Layouts are measured in twips: 15 to a pixel at 96 dots per inch.
constexpr int twips(int t) {
    return t / 15;
}

// A position and size given in twips, in pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Places a control at a position and size given in twips.
void place(QWidget* widget, int left, int top, int width, int height);
// Sizes a window's client area, in twips.
void resizeClient(QWidget* window, int width, int height);

// Maps the classic face names to installed metric-alikes; idempotent.
void installFontSubstitutes();

// Sizes in points as the layouts give them, turned into pixels at 96 dpi so
// text and the pixel geometry stay in proportion on any screen.
enum class Underline { No, Yes };
QFont msSansSerif(double points = 8.25, Underline underline = Underline::No);
QFont garamondBold(double points = 14.25);
QFont arialBold(double points = 12);

// A fixed-size label that shows its caption as plain text, wraps at words
// and paints its own background.
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption,
                  Qt::Alignment alignment, const QFont& font);

// A push button that is never the window's default, placed in twips.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        int left, int top, int width, int height);

// A translated caption may widen its button as far as the caption needs, in
// that language alone; with the English caption the button keeps the
// layout's width.
void widenForTranslation(QAbstractButton* button, const QString& english);

// Sets the tab order to run through `widgets` in turn.
void setTabChain(std::initializer_list<QWidget*> widgets);

// Shows a single-instance window modeless and without owner, in front.
void bringToFront(QWidget* window);

} // namespace clubdraw
