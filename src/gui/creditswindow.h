#pragma once

#include <QStringList>
#include <QWidget>

class QPushButton;

namespace clubdraw {

class PrintBox;

// What the about and thanks windows share: a heading, a box that every
// activation fills afresh, and "Back", which hides the window. Closing
// through the title bar discards it.
class CreditsWindow : public QWidget {
    Q_OBJECT
protected:
    CreditsWindow(QStringList lines, QWidget* parent);
    bool event(QEvent* event) override;

    PrintBox* m_box = nullptr;
    QPushButton* m_backButton = nullptr;

private:
    void printLines();

    QStringList m_lines;
};

} // namespace clubdraw
