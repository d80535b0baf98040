#include "picture_box.h"

#include <QPainter>

namespace clubdraw {

picture_box::picture_box(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void picture_box::cls() {
    lines_.clear();
    update();
}

void picture_box::print(const QString& line) {
    lines_ << line;
    update();
}

void picture_box::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int baseline = area.top() + metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(area.left(), baseline, line);
        baseline += metrics.height();
    }
}

} // namespace clubdraw
