#pragma once

#include "app/form_support.h"
#include "catalogue/lagliste.h"
#include "catalogue/random_source.h"
#include "nation_draw/nation_draw.h"
#include "nation_draw/reveal.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace clubdraw {

class frm_about;
class frm_takk;
class frm_velgliga;

// The start-up window: draw a team by nation.
class frm_cmtrekning : public QMainWindow {
    Q_OBJECT
public:
    frm_cmtrekning(lagliste catalogue, std::unique_ptr<random_source> random);
    ~frm_cmtrekning() override;

    const lagliste& catalogue() const { return catalogue_; }
    random_source& random() { return *random_; }
    const candidate_pool& pool() const { return pool_; }
    const reveal_schedule& reveal() const { return reveal_; }

    // The check box of a nation.
    QCheckBox* nation_box(nation n) const { return nation_boxes_[static_cast<int>(n)]; }
    nation_ticks ticks() const;

    // The single instances of the other windows; null until first used and
    // after the user closed one through its title bar.
    frm_velgliga* velgliga() const;
    frm_about* about() const;
    frm_takk* takk() const;

    QLabel* lbl_overskrift = nullptr;
    QGroupBox* fra_land = nullptr;
    QCheckBox* chk_argentina = nullptr;
    QCheckBox* chk_belgia = nullptr;
    QCheckBox* chk_brasil = nullptr;
    QCheckBox* chk_danmark = nullptr;
    QCheckBox* chk_england = nullptr;
    QCheckBox* chk_frankrike = nullptr;
    QCheckBox* chk_tyskland = nullptr;
    QCheckBox* chk_nederland = nullptr;
    QCheckBox* chk_japan = nullptr;
    QCheckBox* chk_italia = nullptr;
    QCheckBox* chk_norge = nullptr;
    QCheckBox* chk_portugal = nullptr;
    QCheckBox* chk_skottland = nullptr;
    QCheckBox* chk_spania = nullptr;
    QCheckBox* chk_sverige = nullptr;
    QCheckBox* chk_usa = nullptr;
    QRadioButton* opt_sommer = nullptr;
    QRadioButton* opt_vinter = nullptr;
    QRadioButton* opt_europa = nullptr;
    QRadioButton* opt_sam = nullptr;
    QRadioButton* opt_alle = nullptr;
    QRadioButton* opt_ingen = nullptr;
    QGroupBox* fra_type = nullptr;
    QRadioButton* opt_normal = nullptr;
    QRadioButton* opt_utvidet = nullptr;
    QPushButton* cmd_byttskjema = nullptr;
    QPushButton* cmd_Velg = nullptr;
    QPushButton* cmd_slett = nullptr;
    QPushButton* cmd_Avslutt = nullptr;
    QLabel* lbl_tildelt_lbl = nullptr;
    QLabel* lbl_lag = nullptr;
    QLabel* lbl_somspilleri = nullptr;
    QLabel* lbl_divisjon = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* About2 = nullptr;
    QAction* Thanks = nullptr;

signals:
    // The reveal has landed: both labels are bold.
    void reveal_finished();

public slots:
    void cmd_Velg_Click();
    void Timer1_Timer();
    void opt_alle_Click();
    void opt_ingen_Click();
    void opt_europa_Click();
    void opt_sam_Click();
    void opt_vinter_Click();
    void opt_sommer_Click();
    void cmd_slett_Click();
    void cmd_Avslutt_Click();
    void cmd_byttskjema_Click();
    void About2_Click();
    void Thanks_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    void apply_preset(nation_preset preset);
    reveal_controls result_controls() const { return {lbl_lag, lbl_divisjon, Timer1}; }

    lagliste catalogue_;
    std::unique_ptr<random_source> random_;
    candidate_pool pool_;
    reveal_schedule reveal_;
    std::array<QCheckBox*, nation_count> nation_boxes_{};

    QPointer<frm_velgliga> velgliga_;
    QPointer<frm_about> about_;
    QPointer<frm_takk> takk_;
};

} // namespace clubdraw
