#include "form_support.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace clubdraw {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void size_client(QWidget* window, int width, int height) { window->resize(twips(width), twips(height)); }

void install_font_substitutes() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList families = QFontDatabase::families();
    const auto substitute = [&](const QString& face, std::initializer_list<const char*> candidates) {
        if (families.contains(face, Qt::CaseInsensitive))
            return;
        QStringList present;
        for (const char* c : candidates)
            if (families.contains(QString::fromLatin1(c), Qt::CaseInsensitive))
                present << QString::fromLatin1(c);
        if (!present.isEmpty())
            QFont::insertSubstitutions(face, present);
    };
    substitute(QStringLiteral("MS Sans Serif"), {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
    substitute(QStringLiteral("Garamond"), {"EB Garamond", "EB Garamond 12", "Liberation Serif", "DejaVu Serif"});
    substitute(QStringLiteral("Arial"), {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

namespace {

QFont font_of(const char* family, double points, bool bold, bool underline) {
    install_font_substitutes();
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

QFont ms_sans_serif(double points, bool underline) { return font_of("MS Sans Serif", points, false, underline); }
QFont garamond_bold(double points) { return font_of("Garamond", points, true, false); }
QFont arial_bold(double points) { return font_of("Arial", points, true, false); }

QLabel* make_label(QWidget* parent, const QString& caption, Qt::Alignment alignment, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFont(font);
    return label;
}

QPushButton* make_button(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    place(button, left, top, width, height);
    return button;
}

QTimer* make_reveal_timer(QWidget* window) {
    auto* timer = new QTimer(window);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    return timer;
}

namespace {

void set_bold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

void clear_result(const reveal_controls& controls) {
    set_bold(controls.team, false);
    set_bold(controls.division, false);
    controls.team->clear();
    controls.division->clear();
}

void sync_timer(const reveal_schedule& schedule, const reveal_controls& controls) {
    if (schedule.running())
        controls.timer->start(schedule.wait_ms());
    else
        controls.timer->stop();
}

void show_step(const reveal_step& step, const reveal_controls& controls) {
    if (step.shows_pick) {
        controls.team->setText(step.team);
        controls.division->setText(step.division_line);
    }
    if (step.finished) {
        set_bold(controls.team, true);
        set_bold(controls.division, true);
    }
}

void begin_draw(candidate_pool&& found, candidate_pool& window_pool, reveal_schedule& schedule,
                const reveal_controls& controls) {
    clear_result(controls);
    take_draw(std::move(found), window_pool, schedule);
    sync_timer(schedule, controls);
}

bool run_reveal_tick(reveal_schedule& schedule, const candidate_pool& pool, random_source& random,
                     const reveal_controls& controls) {
    const reveal_step step = schedule.tick(pool, random);
    show_step(step, controls);
    sync_timer(schedule, controls);
    return step.finished;
}

void clear_captions(const reveal_controls& controls) {
    controls.team->clear();
    controls.division->clear();
}

} // namespace clubdraw
