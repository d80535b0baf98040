#include "frm_about.h"

#include "app/form_support.h"
#include "picture_box.h"

#include <QLabel>
#include <QPushButton>

namespace clubdraw {

QStringList frm_about::credit_lines() {
    return {QStringLiteral("by"),
            QString(),
            QStringLiteral("  The Clubdraw project"),
            QStringLiteral("  1 Example Street"),
            QStringLiteral("  EX1 2AB Exampleton, Exampleland"),
            QString(),
            QStringLiteral("  clubdraw@example.org (valid to 12/2030)")};
}

frm_about::frm_about(QWidget* parent) : credits_window(credit_lines(), parent) {
    setWindowTitle(QStringLiteral("About"));
    size_client(this, 4740, 3270);
    lbl_rt = make_label(this, QStringLiteral("Clubdraw v. 3.00"), Qt::AlignLeft, arial_bold());
    place(lbl_rt, 360, 360, 3495, 255);
    place(cmd_back, 3840, 2760, 735, 375);
    pct_credits = box_;
    place(pct_credits, 360, 840, 3375, 1695);
    // The label takes no focus, so "Back" comes first.
    setTabOrder(cmd_back, pct_credits);
    cmd_back->setFocus();
}

} // namespace clubdraw
