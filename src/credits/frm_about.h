#pragma once

#include "credits_window.h"

namespace clubdraw {

class frm_about : public credits_window {
    Q_OBJECT
public:
    explicit frm_about(QWidget* parent = nullptr);

    // The lines printed at every activation.
    static QStringList credit_lines();

    QLabel* lbl_rt = nullptr;
    picture_box* pct_credits = nullptr;
};

} // namespace clubdraw
