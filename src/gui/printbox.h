// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>

namespace clubdraw {

// A bordered box that text lines are printed into, top to bottom from its
// top-left corner; lines wider than the box are cut off at its edge.
class PrintBox : public QFrame {
    Q_OBJECT
public:
    explicit PrintBox(QWidget* parent = nullptr);

    void clear();
    void printLine(const QString& line);
    const QStringList& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_lines;
};

} // namespace clubdraw
