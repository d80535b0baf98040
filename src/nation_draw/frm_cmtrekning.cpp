#include "frm_cmtrekning.h"

#include "credits/frm_about.h"
#include "credits/frm_takk.h"
#include "division_draw/frm_velgliga.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace clubdraw {

namespace {

QCheckBox* make_check(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* box = new QCheckBox(caption, parent);
    place(box, left, top, width, height);
    return box;
}

QRadioButton* make_option(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* option = new QRadioButton(caption, parent);
    place(option, left, top, width, height);
    return option;
}

// Brings a single-instance window up, modeless and without owner.
void show_single(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

frm_cmtrekning::frm_cmtrekning(lagliste catalogue, std::unique_ptr<random_source> random)
    : catalogue_(std::move(catalogue)), random_(std::move(random)) {
    setWindowTitle(QStringLiteral("Clubdraw for Championship Manager 99/00"));
    setFont(ms_sans_serif());
    build_controls();

    // The client area opens at a fixed place on the screen.
    const int menu_height = menuBar()->sizeHint().height();
    setGeometry(twips(1185), twips(1110), twips(7725), twips(7320) + menu_height);
    chk_argentina->setFocus();
}

frm_cmtrekning::~frm_cmtrekning() {
    // The other windows have no owner; they end with the program.
    delete velgliga_.data();
    delete about_.data();
    delete takk_.data();
}

frm_velgliga* frm_cmtrekning::velgliga() const { return velgliga_; }
frm_about* frm_cmtrekning::about() const { return about_; }
frm_takk* frm_cmtrekning::takk() const { return takk_; }

void frm_cmtrekning::build_controls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    lbl_overskrift = make_label(client, QStringLiteral("Clubdraw for CM99/00"), Qt::AlignLeft, garamond_bold());
    place(lbl_overskrift, 240, 120, 5175, 735);

    // The frame comes after the banner, so it is drawn over the banner's
    // lower part.
    fra_land = new QGroupBox(QStringLiteral("Select nation(s)"), client);
    place(fra_land, 120, 600, 7455, 3495);
    chk_argentina = make_check(fra_land, QStringLiteral("Argentina"), 120, 600, 1815, 255);
    chk_belgia = make_check(fra_land, QStringLiteral("Belgium"), 120, 1080, 975, 255);
    chk_brasil = make_check(fra_land, QStringLiteral("Brazil"), 120, 1560, 1095, 255);
    chk_danmark = make_check(fra_land, QStringLiteral("Denmark"), 120, 2040, 975, 255);
    chk_england = make_check(fra_land, QStringLiteral("England"), 2160, 600, 975, 255);
    chk_frankrike = make_check(fra_land, QStringLiteral("France"), 2160, 1080, 1095, 255);
    chk_tyskland = make_check(fra_land, QStringLiteral("Germany"), 2160, 1560, 1095, 255);
    chk_nederland = make_check(fra_land, QStringLiteral("Holland"), 2160, 2040, 1215, 255);
    chk_japan = make_check(fra_land, QStringLiteral("Japan"), 4200, 600, 975, 255);
    chk_italia = make_check(fra_land, QStringLiteral("Italy"), 4200, 1080, 1095, 255);
    chk_norge = make_check(fra_land, QStringLiteral("Norway"), 4200, 1560, 1095, 255);
    chk_portugal = make_check(fra_land, QStringLiteral("Portugal"), 4200, 2040, 1095, 255);
    chk_skottland = make_check(fra_land, QStringLiteral("Scotland"), 5880, 600, 975, 255);
    chk_spania = make_check(fra_land, QStringLiteral("Spain"), 5880, 1080, 975, 255);
    chk_sverige = make_check(fra_land, QStringLiteral("Sweden"), 5880, 1560, 1095, 255);
    opt_sommer = make_option(fra_land, QStringLiteral("Autumn/spring leagues"), 120, 2640, 2295, 255);
    opt_vinter = make_option(fra_land, QStringLiteral("Spring/autumn leagues"), 120, 3000, 2295, 255);
    opt_europa = make_option(fra_land, QStringLiteral("Europe"), 2520, 2640, 1455, 255);
    opt_sam = make_option(fra_land, QStringLiteral("South America"), 2520, 3000, 1695, 255);
    opt_alle = make_option(fra_land, QStringLiteral("All nations"), 4440, 2640, 2055, 255);
    opt_ingen = make_option(fra_land, QStringLiteral("None"), 4440, 3000, 1815, 255);

    // USA lies on the window itself, in front of the frame, in the grid's
    // last place.
    chk_usa = make_check(client, QStringLiteral("USA"), 6000, 2640, 1215, 255);
    chk_usa->raise();

    fra_type = new QGroupBox(QStringLiteral("Choose database type"), client);
    place(fra_type, 120, 4320, 3495, 1095);
    opt_normal = make_option(fra_type, QStringLiteral("Minimum"), 120, 360, 1695, 255);
    opt_utvidet = make_option(fra_type, QStringLiteral("Normal"), 120, 720, 1695, 255);
    opt_normal->setChecked(true);

    cmd_byttskjema = make_button(client, QStringLiteral("Select single divisions"), 4080, 4320, 3495, 495);
    cmd_Velg = make_button(client, QStringLiteral("Find random team"), 5520, 5040, 2055, 735);
    cmd_slett = make_button(client, QStringLiteral("Clear results"), 6240, 6120, 1335, 495);
    cmd_Avslutt = make_button(client, QStringLiteral("Quit"), 6240, 6720, 1335, 495);

    const QFont result_font = ms_sans_serif(9.75);
    lbl_tildelt_lbl = make_label(client, QStringLiteral("Your team is :"), Qt::AlignRight, result_font);
    place(lbl_tildelt_lbl, 0, 5760, 2175, 375);
    lbl_lag = make_label(client, QString(), Qt::AlignLeft, result_font);
    place(lbl_lag, 2280, 5760, 3135, 375);
    lbl_somspilleri = make_label(client, QStringLiteral(" in :"), Qt::AlignRight, result_font);
    place(lbl_somspilleri, 840, 6240, 1335, 255);
    lbl_divisjon = make_label(client, QString(), Qt::AlignLeft, result_font);
    place(lbl_divisjon, 2280, 6240, 3135, 615);

    Timer1 = make_reveal_timer(this);

    QMenu* about_menu = menuBar()->addMenu(QStringLiteral("About"));
    About2 = about_menu->addAction(QStringLiteral("About..."));
    Thanks = about_menu->addAction(QStringLiteral("Thanks to..."));

    nation_boxes_ = {chk_argentina, chk_belgia,   chk_brasil,    chk_danmark, chk_england, chk_frankrike,
                     chk_italia,    chk_japan,    chk_nederland, chk_norge,   chk_portugal, chk_skottland,
                     chk_spania,    chk_sverige,  chk_tyskland,  chk_usa};

    const QWidget* tab_order[] = {chk_argentina, chk_brasil, chk_belgia,  chk_danmark, chk_england, chk_frankrike,
                                  chk_italia,    chk_japan,  chk_nederland, chk_norge, chk_portugal, chk_skottland,
                                  chk_spania,    chk_sverige, chk_tyskland, opt_normal, opt_utvidet, cmd_Velg,
                                  cmd_Avslutt,   opt_sommer, opt_vinter,  opt_alle,    opt_ingen,   cmd_slett,
                                  cmd_byttskjema, opt_europa, opt_sam,     chk_usa};
    for (std::size_t i = 0; i + 1 < std::size(tab_order); ++i)
        setTabOrder(const_cast<QWidget*>(tab_order[i]), const_cast<QWidget*>(tab_order[i + 1]));

    connect(cmd_Velg, &QPushButton::clicked, this, &frm_cmtrekning::cmd_Velg_Click);
    connect(Timer1, &QTimer::timeout, this, &frm_cmtrekning::Timer1_Timer);
    connect(opt_alle, &QRadioButton::clicked, this, &frm_cmtrekning::opt_alle_Click);
    connect(opt_ingen, &QRadioButton::clicked, this, &frm_cmtrekning::opt_ingen_Click);
    connect(opt_europa, &QRadioButton::clicked, this, &frm_cmtrekning::opt_europa_Click);
    connect(opt_sam, &QRadioButton::clicked, this, &frm_cmtrekning::opt_sam_Click);
    connect(opt_vinter, &QRadioButton::clicked, this, &frm_cmtrekning::opt_vinter_Click);
    connect(opt_sommer, &QRadioButton::clicked, this, &frm_cmtrekning::opt_sommer_Click);
    connect(cmd_slett, &QPushButton::clicked, this, &frm_cmtrekning::cmd_slett_Click);
    connect(cmd_Avslutt, &QPushButton::clicked, this, &frm_cmtrekning::cmd_Avslutt_Click);
    connect(cmd_byttskjema, &QPushButton::clicked, this, &frm_cmtrekning::cmd_byttskjema_Click);
    connect(About2, &QAction::triggered, this, &frm_cmtrekning::About2_Click);
    connect(Thanks, &QAction::triggered, this, &frm_cmtrekning::Thanks_Click);
}

nation_ticks frm_cmtrekning::ticks() const {
    nation_ticks t{};
    for (int n = 0; n < nation_count; ++n)
        t[n] = nation_boxes_[n]->checkState() == Qt::Checked;
    return t;
}

void frm_cmtrekning::cmd_Velg_Click() {
    const database_type type = opt_normal->isChecked() ? database_type::minimum : database_type::normal;
    begin_draw(build_nation_pool(catalogue_, ticks(), type), pool_, reveal_, result_controls());
}

void frm_cmtrekning::Timer1_Timer() {
    if (run_reveal_tick(reveal_, pool_, *random_, result_controls()))
        emit reveal_finished();
}

void frm_cmtrekning::apply_preset(nation_preset preset) {
    const nation_ticks pattern = preset_pattern(preset);
    for (int n = 0; n < nation_count; ++n)
        nation_boxes_[n]->setCheckState(pattern[n] ? Qt::Checked : Qt::Unchecked);
}

void frm_cmtrekning::opt_alle_Click() { apply_preset(nation_preset::all_nations); }
void frm_cmtrekning::opt_ingen_Click() { apply_preset(nation_preset::none); }
void frm_cmtrekning::opt_europa_Click() { apply_preset(nation_preset::europe); }
void frm_cmtrekning::opt_sam_Click() { apply_preset(nation_preset::south_america); }
void frm_cmtrekning::opt_vinter_Click() { apply_preset(nation_preset::spring_autumn); }
void frm_cmtrekning::opt_sommer_Click() { apply_preset(nation_preset::autumn_spring); }

void frm_cmtrekning::cmd_slett_Click() { clear_captions(result_controls()); }

void frm_cmtrekning::cmd_Avslutt_Click() { QCoreApplication::quit(); }

void frm_cmtrekning::cmd_byttskjema_Click() {
    if (!velgliga_)
        velgliga_ = new frm_velgliga(catalogue_, *random_);
    show_single(velgliga_);
}

void frm_cmtrekning::About2_Click() {
    if (!about_)
        about_ = new frm_about();
    show_single(about_);
}

void frm_cmtrekning::Thanks_Click() {
    if (!takk_)
        takk_ = new frm_takk();
    show_single(takk_);
}

void frm_cmtrekning::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, hidden windows included.
    event->accept();
    QCoreApplication::quit();
}

} // namespace clubdraw
