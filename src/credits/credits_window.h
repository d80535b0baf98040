#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace clubdraw {

class picture_box;

// What the about and thanks windows share: a heading, a picture box that
// every activation fills afresh, and "Back", which hides the window.
// Closing through the title bar discards it.
class credits_window : public QWidget {
    Q_OBJECT
public:
    void Form_Activate();
    void cmd_back_Click();

    QPushButton* cmd_back = nullptr;

protected:
    credits_window(QStringList lines, QWidget* parent);
    bool event(QEvent* event) override;

    picture_box* box_ = nullptr;

private:
    QStringList lines_;
};

} // namespace clubdraw
