#pragma once

#include "credits_window.h"

namespace clubdraw {

class frm_takk : public credits_window {
    Q_OBJECT
public:
    explicit frm_takk(QWidget* parent = nullptr);

    static QStringList thanks_lines();

    QLabel* lbl_thanks = nullptr;
    picture_box* pct_liste = nullptr;
};

} // namespace clubdraw
