#include "credits_window.h"

#include "app/form_support.h"
#include "picture_box.h"

#include <QEvent>
#include <QPushButton>

namespace clubdraw {

credits_window::credits_window(QStringList lines, QWidget* parent)
    : QWidget(parent, Qt::Window), lines_(std::move(lines)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ms_sans_serif());
    box_ = new picture_box(this);
    cmd_back = new QPushButton(QStringLiteral("Back"), this);
    cmd_back->setAutoDefault(false);
    connect(cmd_back, &QPushButton::clicked, this, &credits_window::cmd_back_Click);
}

bool credits_window::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void credits_window::Form_Activate() {
    box_->cls();
    for (const QString& line : lines_)
        box_->print(line);
}

void credits_window::cmd_back_Click() { hide(); }

} // namespace clubdraw
