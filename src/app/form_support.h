#pragma once

#include "nation_draw/reveal.h"

#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace clubdraw {

// Layouts are measured in twips: 15 to a pixel at 96 dots per inch.
constexpr int twips(int t) { return t / 15; }

// Places a control at a position and size given in twips.
void place(QWidget* widget, int left, int top, int width, int height);
// Sizes a window's client area, in twips.
void size_client(QWidget* window, int width, int height);

// Maps the classic face names to installed metric-alikes; idempotent.
void install_font_substitutes();

// Sizes in points as the layouts give them, turned into pixels at 96 dpi so
// text and the pixel geometry stay in proportion on any screen.
QFont ms_sans_serif(double points = 8.25, bool underline = false);
QFont garamond_bold(double points = 14.25);
QFont arial_bold(double points = 12);

// A fixed-size label that shows its caption as plain text, wraps at words
// and paints its own background.
QLabel* make_label(QWidget* parent, const QString& caption, Qt::Alignment alignment, const QFont& font);

// A push button that is never the window's default, placed in twips.
QPushButton* make_button(QWidget* parent, const QString& caption, int left, int top, int width, int height);

// The two result labels and the timer a draw window reveals with.
struct reveal_controls {
    QLabel* team = nullptr;
    QLabel* division = nullptr;
    QTimer* timer = nullptr;
};

// A precise single-shot timer owned by its window.
QTimer* make_reveal_timer(QWidget* window);
// Empty result labels in regular weight, as every draw starts.
void clear_result(const reveal_controls& controls);
// Runs or idles the timer as the schedule asks.
void sync_timer(const reveal_schedule& schedule, const reveal_controls& controls);
// Shows one tick's pick; the last one in bold.
void show_step(const reveal_step& step, const reveal_controls& controls);

// A draw in a window: clear the result, take the teams found, then run or
// idle the timer.
void begin_draw(candidate_pool&& found, candidate_pool& window_pool, reveal_schedule& schedule,
                const reveal_controls& controls);
// One timer tick in a window; returns whether the reveal has landed.
bool run_reveal_tick(reveal_schedule& schedule, const candidate_pool& pool, random_source& random,
                     const reveal_controls& controls);
// "Clear results": captions only; bold and a running reveal stay as they are.
void clear_captions(const reveal_controls& controls);

} // namespace clubdraw
