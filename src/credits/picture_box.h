#pragma once

#include <QFrame>
#include <QStringList>

namespace clubdraw {

// A bordered box that text lines are printed into, top to bottom from its
// top-left corner; lines wider than the box are cut off at its edge.
class picture_box : public QFrame {
    Q_OBJECT
public:
    explicit picture_box(QWidget* parent = nullptr);

    void cls();
    void print(const QString& line);
    const QStringList& lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
};

} // namespace clubdraw
