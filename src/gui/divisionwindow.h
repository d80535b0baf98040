// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"
#include "core/divisionselection.h"
#include "core/randomsource.h"
#include "core/revealschedule.h"
#include "secondarywindow.h"

#include <memory>
#include <vector>

class QListWidget;

namespace clubdraw {

class ResultPanel;

// The second draw window: draw a club from single divisions. Closing it
// ends its reveal there and then.
class DivisionWindow : public SecondaryWindow {
    Q_OBJECT
public:
    DivisionWindow(const Catalogue& catalogue, RandomSource& random,
                   SteadyClock clock = steadyClock(), QWidget* parent = nullptr);
    ~DivisionWindow() override;

    // The divisions of "Selected divisions", in the list's order.
    std::vector<DivisionKey> selectedDivisions() const;

Q_SIGNALS:
    void selectionChanged();

private Q_SLOTS:
    void addDivision();
    void addAllDivisions();
    void removeDivision();
    void removeAllDivisions();
    void drawClub();

private:
    void buildControls(SteadyClock clock);
    void loadDivisions();
    void showSelected();

    const Catalogue& m_catalogue;
    RandomSource& m_random;
    DivisionList m_divisions;
    std::unique_ptr<DivisionSelection> m_selection;
    QListWidget* m_allList = nullptr;
    QListWidget* m_selectedList = nullptr;
    ResultPanel* m_result = nullptr;
};

} // namespace clubdraw
