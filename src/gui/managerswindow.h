// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/candidatepool.h"
#include "core/catalogue.h"
#include "core/cataloguelookup.h"
#include "core/clubsource.h"
#include "core/randomsource.h"
#include "core/revealschedule.h"
#include "secondarywindow.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;
class QShortcut;
class QSortFilterProxyModel;
class QStringListModel;
class QTableWidget;
class QTimer;

namespace clubdraw {

class LeaveOutList;
struct LeagueRequest;
struct LeagueResult;

// League night: several managers each draw a different club, from the
// nations of the main window or the divisions of the division window.
class ManagersWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // Where the clubs come from, asked afresh whenever they may have changed.
    struct Sources {
        std::function<ClubSource()> nations;
        std::function<ClubSource()> divisions;
    };
    // `leaveOutPath` is the file of the clubs left out; empty for the
    // user's own.
    ManagersWindow(const Catalogue& catalogue, RandomSource& random, SteadyClock clock,
                   Sources sources, const QString& leaveOutPath = {}, QWidget* parent = nullptr);
    ~ManagersWindow() override;

    // Only tests and the screenshots look: whether a reveal runs.
    bool isRevealing() const;

public Q_SLOTS:
    // Counts the clubs to draw from again.
    void refreshPool();

Q_SIGNALS:
    // Every row's club is shown, in bold.
    void revealFinished();

private Q_SLOTS:
    void countPool();
    void addManager();
    void renameManager();
    void removeManager();
    void moveManager(int by);
    void nameEdited(int row, int column);
    void draw();
    void drawAgain();
    void replayCode();
    void skipReveal();
    void advanceReveal();
    void leaveOutRowClub();
    void leaveOutPickedClub();
    void putBack();
    void showLeftOut(bool shown);
    void copyCode();
    void copyResult();
    void readLeaveOutAgain();

private:
    struct Row {
        QString manager;
        std::optional<Club> club;
        bool kept = false;
    };

    void buildControls();
    QWidget* buildManagers();
    QWidget* buildSource();
    QWidget* buildDraw();
    QGroupBox* buildLeftOut();
    void readLeaveOutList();
    ClubSource currentSource() const;
    QStringList managerNames() const;
    void startDraw(bool keepKept);
    void sayShortfall(const LeagueResult& result);
    void showDraw(const LeagueRequest& request, const std::vector<Club>& clubs,
                  const QString& code);
    void forgetCode();
    void showRows();
    void showRow(int row);
    void setCurrentRow(int row);
    int currentRow() const;
    void updateButtons();
    void changeLeaveOut(const std::function<void(LeaveOutList&)>& change);
    void showLeftOutEntries();
    void fillCatalogueList();
    void say(const QString& message);
    static QString clubText(const ClubIdentity& club);
    static QString keepName(const QString& manager);

    const Catalogue& m_catalogue;
    // Worked out on the first draw or code, not as the window opens.
    CatalogueLookup m_lookup;
    RandomSource& m_random;
    Sources m_sources;
    QString m_leaveOutPath;
    std::unique_ptr<LeaveOutList> m_leaveOut;
    bool m_leaveOutBroken = false;
    bool m_countQueued = false;

    std::vector<Row> m_rows;
    QString m_code;
    RevealSchedule m_schedule;
    CandidatePool m_revealPool;
    std::deque<int> m_revealRows; // still to land, in order

    QTableWidget* m_table = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_upButton = nullptr;
    QPushButton* m_downButton = nullptr;
    QPushButton* m_leaveOutRowButton = nullptr;
    QRadioButton* m_nationsButton = nullptr;
    QLabel* m_poolLabel = nullptr;
    QLineEdit* m_wordsEdit = nullptr;
    QPushButton* m_drawButton = nullptr;
    QPushButton* m_drawAgainButton = nullptr;
    QPushButton* m_skipButton = nullptr;
    QShortcut* m_skipShortcut = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLineEdit* m_codeEdit = nullptr;
    QPushButton* m_copyCodeButton = nullptr;
    QPushButton* m_copyResultButton = nullptr;
    QPushButton* m_showLeftOutButton = nullptr;
    QGroupBox* m_leftOutGroup = nullptr;
    QLabel* m_leftOutFileLabel = nullptr;
    QPushButton* m_readAgainButton = nullptr;
    QLineEdit* m_searchEdit = nullptr;
    QListView* m_catalogueList = nullptr;
    QStringListModel* m_catalogueModel = nullptr;
    QSortFilterProxyModel* m_catalogueFilter = nullptr;
    std::vector<ClubIdentity> m_catalogueClubs; // the list's rows, filled when first shown
    QPushButton* m_leaveOutPickedButton = nullptr;
    QListWidget* m_leftOutList = nullptr;
    QPushButton* m_putBackButton = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace clubdraw
