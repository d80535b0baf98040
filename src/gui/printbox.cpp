#include "printbox.h"

#include <QPainter>

namespace clubdraw {

PrintBox::PrintBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PrintBox::clear() {
    m_lines.clear();
    update();
}

void PrintBox::printLine(const QString& line) {
    m_lines << line;
    update();
}

void PrintBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int baseline = area.top() + metrics.ascent();
    for (const QString& line : m_lines) {
        painter.drawText(area.left(), baseline, line);
        baseline += metrics.height();
    }
}

} // namespace clubdraw
