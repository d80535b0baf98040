#include "frm_velgliga.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace clubdraw {

namespace {

QListWidget* make_list(QWidget* parent, int left, int top, int width, int height) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    place(list, left, top, width, height);
    return list;
}

// The row of the selected entry, or -1 when none is selected.
int selected_row(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

} // namespace

frm_velgliga::frm_velgliga(const lagliste& catalogue, random_source& random, QWidget* parent)
    : QWidget(parent, Qt::Window), catalogue_(catalogue), random_(random) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Clubdraw for Championship Manager 99/00"));
    setFont(ms_sans_serif());
    size_client(this, 7515, 7350);
    build_controls();
    Form_Load();
    lst_alle->setFocus();
}

frm_velgliga::~frm_velgliga() = default;

void frm_velgliga::build_controls() {
    lbl_overskrift2 = make_label(this, QStringLiteral("Clubdraw for CM99/00"), Qt::AlignLeft, garamond_bold());
    place(lbl_overskrift2, 240, 120, 5535, 615);
    const QFont heading = ms_sans_serif(8.25, true);
    lbl_alle = make_label(this, QStringLiteral("All divisions"), Qt::AlignLeft, heading);
    place(lbl_alle, 120, 720, 2055, 255);
    lst_alle = make_list(this, 120, 960, 3255, 3375);
    lbl_valgte = make_label(this, QStringLiteral("Selected divisions"), Qt::AlignLeft, heading);
    place(lbl_valgte, 4080, 720, 2175, 255);
    lst_valgte = make_list(this, 4080, 960, 3255, 3375);

    cmd_velg_en = make_button(this, QStringLiteral(">"), 3480, 1200, 495, 495);
    cmd_velg_alle = make_button(this, QStringLiteral(">>"), 3480, 1800, 495, 495);
    cmd_fjern_en = make_button(this, QStringLiteral("<"), 3480, 2880, 495, 495);
    cmd_fjern_alle = make_button(this, QStringLiteral("<<"), 3480, 3480, 495, 495);
    cmd_velg_lag = make_button(this, QStringLiteral("Find random team"), 5520, 5040, 1815, 975);
    cmd_slett_lag = make_button(this, QStringLiteral("Clear results"), 3360, 5160, 1455, 495);
    cmd_tilbake = make_button(this, QStringLiteral("Back"), 5880, 6600, 1455, 495);

    const QFont result_font = ms_sans_serif(9.75);
    lbl_hvilketlag = make_label(this, QStringLiteral("Your team is :"), Qt::AlignRight, result_font);
    place(lbl_hvilketlag, 0, 6000, 1935, 375);
    lbl_lag_lag = make_label(this, QString(), Qt::AlignLeft, result_font);
    place(lbl_lag_lag, 2040, 6000, 2775, 375);
    lbl_somspilleri = make_label(this, QStringLiteral("in :"), Qt::AlignRight, result_font);
    place(lbl_somspilleri, 600, 6480, 1335, 255);
    lbl_divisjon = make_label(this, QString(), Qt::AlignLeft, result_font);
    place(lbl_divisjon, 2040, 6480, 3375, 495);

    // Owned by the window: closing it stops the reveal for good.
    Timer1 = make_reveal_timer(this);

    QWidget* const tab_order[] = {lst_alle,       lst_valgte,   cmd_velg_en, cmd_velg_alle, cmd_fjern_en,
                                  cmd_fjern_alle, cmd_velg_lag, cmd_tilbake, cmd_slett_lag};
    for (std::size_t i = 0; i + 1 < std::size(tab_order); ++i)
        setTabOrder(tab_order[i], tab_order[i + 1]);

    connect(cmd_velg_en, &QPushButton::clicked, this, &frm_velgliga::cmd_velg_en_Click);
    connect(cmd_velg_alle, &QPushButton::clicked, this, &frm_velgliga::cmd_velg_alle_Click);
    connect(cmd_fjern_en, &QPushButton::clicked, this, &frm_velgliga::cmd_fjern_en_Click);
    connect(cmd_fjern_alle, &QPushButton::clicked, this, &frm_velgliga::cmd_fjern_alle_Click);
    connect(lst_alle, &QListWidget::itemDoubleClicked, this, &frm_velgliga::lst_alle_DblClick);
    connect(lst_valgte, &QListWidget::itemDoubleClicked, this, &frm_velgliga::lst_valgte_DblClick);
    connect(cmd_velg_lag, &QPushButton::clicked, this, &frm_velgliga::cmd_velg_lag_Click);
    connect(cmd_slett_lag, &QPushButton::clicked, this, &frm_velgliga::cmd_slett_lag_Click);
    connect(cmd_tilbake, &QPushButton::clicked, this, &frm_velgliga::cmd_tilbake_Click);
    connect(Timer1, &QTimer::timeout, this, &frm_velgliga::Timer1_Timer);
}

void frm_velgliga::Form_Load() {
    random_.reseed_from_clock();
    divisions_ = collect_divisions(catalogue_);
    selection_ = std::make_unique<division_selection>(divisions_);
    lst_alle->addItems(QStringList(divisions_.division_labels.begin(), divisions_.division_labels.end()));
}

void frm_velgliga::show_selected(const std::vector<QString>& labels) {
    // Rebuilt whole: the order is the selection's, and no entry stays
    // selected, so the next ">" adds rather than replaces.
    lst_valgte->clear();
    lst_valgte->addItems(QStringList(labels.begin(), labels.end()));
}

void frm_velgliga::cmd_velg_en_Click() {
    if (selection_->add_one(selected_row(lst_alle), selected_row(lst_valgte)))
        show_selected(selection_->selected_labels());
}

void frm_velgliga::lst_alle_DblClick() { cmd_velg_en_Click(); }

void frm_velgliga::cmd_velg_alle_Click() {
    selection_->select_all();
    select_all_labels = selection_->selected_labels();
    show_selected(select_all_labels);
}

void frm_velgliga::cmd_fjern_en_Click() {
    if (selection_->remove_one(selected_row(lst_valgte)))
        show_selected(selection_->selected_labels());
}

void frm_velgliga::lst_valgte_DblClick() { cmd_fjern_en_Click(); }

void frm_velgliga::cmd_fjern_alle_Click() {
    selection_->remove_all();
    lst_valgte->clear();
}

void frm_velgliga::cmd_velg_lag_Click() {
    // Every team of the chosen divisions, "Minimum" or not.
    begin_draw(build_division_pool(catalogue_, selection_->selected_keys()), pool_, reveal_, result_controls());
}

void frm_velgliga::cmd_slett_lag_Click() { clear_captions(result_controls()); }

void frm_velgliga::cmd_tilbake_Click() { hide(); }

void frm_velgliga::Timer1_Timer() {
    if (run_reveal_tick(reveal_, pool_, random_, result_controls()))
        emit reveal_finished();
}

} // namespace clubdraw
