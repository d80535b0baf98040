#pragma once

#include "app/form_support.h"
#include "catalogue/lagliste.h"
#include "catalogue/random_source.h"
#include "division_draw/division_lists.h"
#include "nation_draw/reveal.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace clubdraw {

// The second draw window: draw a team from single divisions. "Back" hides
// it with everything kept; closing it through its title bar discards it.
class frm_velgliga : public QWidget {
    Q_OBJECT
public:
    frm_velgliga(const lagliste& catalogue, random_source& random, QWidget* parent = nullptr);
    ~frm_velgliga() override;

    const division_catalogue& divisions() const { return divisions_; }
    const division_selection& selection() const { return *selection_; }
    const candidate_pool& pool() const { return pool_; }
    const reveal_schedule& reveal() const { return reveal_; }

    // What ">>" last filled "Selected divisions" from.
    std::vector<QString> select_all_labels;

    QLabel* lbl_overskrift2 = nullptr;
    QLabel* lbl_alle = nullptr;
    QListWidget* lst_alle = nullptr;
    QLabel* lbl_valgte = nullptr;
    QListWidget* lst_valgte = nullptr;
    QPushButton* cmd_velg_en = nullptr;
    QPushButton* cmd_velg_alle = nullptr;
    QPushButton* cmd_fjern_en = nullptr;
    QPushButton* cmd_fjern_alle = nullptr;
    QPushButton* cmd_velg_lag = nullptr;
    QPushButton* cmd_slett_lag = nullptr;
    QPushButton* cmd_tilbake = nullptr;
    QLabel* lbl_hvilketlag = nullptr;
    QLabel* lbl_lag_lag = nullptr;
    QLabel* lbl_somspilleri = nullptr;
    QLabel* lbl_divisjon = nullptr;
    QTimer* Timer1 = nullptr;

signals:
    void reveal_finished();

public slots:
    void cmd_velg_en_Click();
    void cmd_velg_alle_Click();
    void cmd_fjern_en_Click();
    void cmd_fjern_alle_Click();
    void lst_alle_DblClick();
    void lst_valgte_DblClick();
    void cmd_velg_lag_Click();
    void cmd_slett_lag_Click();
    void cmd_tilbake_Click();
    void Timer1_Timer();

private:
    void build_controls();
    void Form_Load();
    void show_selected(const std::vector<QString>& labels);
    reveal_controls result_controls() const { return {lbl_lag_lag, lbl_divisjon, Timer1}; }

    const lagliste& catalogue_;
    random_source& random_;
    division_catalogue divisions_;
    std::unique_ptr<division_selection> selection_;
    candidate_pool pool_;
    reveal_schedule reveal_;
};

} // namespace clubdraw
