#include "frm_takk.h"

#include "app/form_support.h"
#include "picture_box.h"

#include <QLabel>
#include <QPushButton>

namespace clubdraw {

QStringList frm_takk::thanks_lines() {
    return {QStringLiteral("Ada Example"),     QStringLiteral("ada@example.org"),    QString(),
            QStringLiteral("Ben Sample"),      QStringLiteral("ben@example.org"),    QString(),
            QStringLiteral("Cleo Placeholder"), QStringLiteral("cleo@example.org")};
}

frm_takk::frm_takk(QWidget* parent) : credits_window(thanks_lines(), parent) {
    setWindowTitle(QStringLiteral("Thanks to"));
    size_client(this, 4680, 3195);
    lbl_thanks = make_label(this, QStringLiteral("Thanks to :"), Qt::AlignLeft, arial_bold());
    place(lbl_thanks, 360, 360, 2175, 375);
    pct_liste = box_;
    place(pct_liste, 360, 720, 3375, 1815);
    // The heading reaches a pixel into the box; keep the box's border whole.
    pct_liste->raise();
    place(cmd_back, 3840, 2640, 735, 375);
    setTabOrder(pct_liste, cmd_back);
    pct_liste->setFocus();
}

} // namespace clubdraw
