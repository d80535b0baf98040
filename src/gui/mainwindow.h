// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"
#include "core/divisionselection.h"
#include "core/nationselection.h"
#include "core/randomsource.h"
#include "core/revealschedule.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QRadioButton;

namespace clubdraw {

class AboutWindow;
class DivisionWindow;
class ManagersWindow;
class ResultPanel;
class SecondaryWindow;
class ThanksWindow;

// The object name of a nation's check box, such as "englandBox".
QString nationBoxName(Nation nation);

// The start-up window: draw a club by nation. It owns the catalogue and the
// random source that the division window shares.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `clock` times the reveals of both draw windows.
    MainWindow(Catalogue catalogue, std::unique_ptr<RandomSource> random,
               SteadyClock clock = steadyClock());
    ~MainWindow() override;

    // The single instances of the other windows; null until first used and
    // after the user closed one through its title bar.
    DivisionWindow* divisionWindow() const;
    AboutWindow* aboutWindow() const;
    ThanksWindow* thanksWindow() const;
    ManagersWindow* managersWindow() const;

    // What the league window draws from, without reaching into the
    // controls: the ticked nations with the database type, and the
    // divisions chosen in the division window (none while it is closed).
    NationTicks nationTicks() const;
    DatabaseType databaseType() const;
    std::vector<DivisionKey> selectedDivisions() const;

Q_SIGNALS:
    void nationChoiceChanged();
    void divisionChoiceChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void drawClub();
    void clearResults();
    void showDivisionWindow();
    void showAbout();
    void showThanks();
    void showManagersWindow();

private:
    void buildControls();
    void buildExtrasMenu();
    QRadioButton* addPreset(QWidget* frame, NationPreset preset, const QString& objectName,
                            const QString& caption, int left, int top, int width);
    void applyPreset(NationPreset preset);
    template <typename Window, typename Make> void showSingle(QPointer<Window>& slot, Make make);

    Catalogue m_catalogue;
    std::unique_ptr<RandomSource> m_random;
    SteadyClock m_clock;

    std::array<QCheckBox*, nationCount> m_nationBoxes{};
    QRadioButton* m_minimumButton = nullptr;
    ResultPanel* m_result = nullptr;

    QPointer<DivisionWindow> m_divisionWindow;
    QPointer<AboutWindow> m_aboutWindow;
    QPointer<ThanksWindow> m_thanksWindow;
    QPointer<ManagersWindow> m_managersWindow;
    // Every secondary window made that Qt has not deleted yet, closed ones
    // included.
    std::vector<QPointer<SecondaryWindow>> m_windows;
};

} // namespace clubdraw
