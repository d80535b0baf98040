// SPDX-License-Identifier: GPL-3.0-or-later
#include "printbox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace clubdraw {

namespace {

// Hands the printed lines to assistive technology as read-only text, so a
// screen reader reads them when the box has the focus.
class PrintBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PrintBoxAccessible(PrintBox* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value ||
            (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()))
            return allText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    // Nothing in the box can be selected or edited; the caret stays at 0.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override {
        const QString all = allText();
        startOffset = qBound(0, startOffset, int(all.size()));
        endOffset = qBound(startOffset, endOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(allText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString allText() const {
        return static_cast<const PrintBox*>(widget())->lines().join(QLatin1Char('\n'));
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(PrintBox::staticMetaObject.className()))
        if (auto* box = qobject_cast<PrintBox*>(object))
            return new PrintBoxAccessible(box);
    return nullptr;
}

} // namespace

PrintBox::PrintBox(QWidget* parent) : QFrame(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
