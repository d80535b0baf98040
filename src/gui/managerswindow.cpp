// SPDX-License-Identifier: GPL-3.0-or-later
#include "managerswindow.h"

#include "core/drawcode.h"
#include "core/drawnclubs.h"
#include "core/leaguedraw.h"
#include "core/leaveoutlist.h"
#include "core/runerror.h"
#include "pushbutton.h"
#include "widgethelpers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace clubdraw {

namespace {

enum Column { ManagerColumn, ClubColumn, DivisionColumn, KeptColumn, ColumnCount };

// One club is no league.
constexpr std::size_t minimumManagers = 2;

// Enter presses it, as in the other windows.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* button = new PushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

// A label that names the control after it, for the eye and for a screen
// reader.
QLabel* makeBuddy(QWidget* parent, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    control->setAccessibleName(caption);
    return label;
}

QTableWidgetItem* makeItem(const QString& text, Qt::ItemFlags flags) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(flags);
    return item;
}

} // namespace

ManagersWindow::ManagersWindow(const Catalogue& catalogue, RandomSource& random, SteadyClock clock,
                               Sources sources, const QString& leaveOutPath, QWidget* parent)
    : SecondaryWindow(parent), m_catalogue(catalogue), m_lookup(catalogue), m_random(random),
      m_sources(std::move(sources)),
      m_leaveOutPath(leaveOutPath.isEmpty() ? defaultLeaveOutPath() : leaveOutPath),
      m_schedule(std::move(clock)), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("managersWindow"));
    //: Title of the window where several managers draw a club each
    setWindowTitle(tr("Several managers"));
    setFont(msSansSerif());
    for (std::size_t i = 0; i < minimumManagers; ++i)
        m_rows.push_back({LeagueText::managerName({}, static_cast<int>(i)), std::nullopt, false});
    buildControls();
    readLeaveOutList();
    showRows();
    refreshPool();
    // Single-shot and re-armed, as the draw windows' reveals are.
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ManagersWindow::advanceReveal);
    // Qt deletes a closed window only later; its timer must not tick till then.
    connect(this, &SecondaryWindow::closed, m_timer, &QTimer::stop);
    m_table->setFocus();
}

ManagersWindow::~ManagersWindow() = default;

bool ManagersWindow::isRevealing() const {
    return !m_revealRows.empty();
}

void ManagersWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    m_leftOutFileLabel = new QLabel(this);
    m_leftOutFileLabel->setObjectName(QStringLiteral("leftOutFileLabel"));
    m_leftOutFileLabel->setWordWrap(true);
    m_leftOutFileLabel->setTextFormat(Qt::PlainText);
    m_readAgainButton =
        makeButton(this, QStringLiteral("readLeftOutAgainButton"), tr("Read the list again"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_leftOutFileLabel, 1);
    fileRow->addWidget(m_readAgainButton, 0, Qt::AlignTop);
    m_leftOutFileLabel->hide();
    m_readAgainButton->hide();
    layout->addLayout(fileRow);
    connect(m_readAgainButton, &QPushButton::clicked, this, &ManagersWindow::readLeaveOutAgain);
    layout->addWidget(buildManagers(), 1);
    layout->addWidget(buildSource());
    layout->addWidget(buildDraw());
    m_leftOutGroup = buildLeftOut();
    m_leftOutGroup->hide();
    layout->addWidget(m_leftOutGroup, 1);

    // Only while a reveal runs: otherwise Esc is the name editor's.
    m_skipShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(m_skipShortcut, &QShortcut::activated, this, &ManagersWindow::skipReveal);
}

QWidget* ManagersWindow::buildManagers() {
    auto* box = new QGroupBox(tr("Managers"), this);
    box->setObjectName(QStringLiteral("managersGroup"));
    auto* layout = new QGridLayout(box);

    m_table = new QTableWidget(0, ColumnCount, box);
    m_table->setObjectName(QStringLiteral("managersTable"));
    m_table->setAccessibleName(tr("Managers and their clubs"));
    m_table->setHorizontalHeaderLabels({tr("Manager"), tr("Club"), tr("Division"),
                                        //: Column of the rows a new draw leaves as they are
                                        tr("Keep")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // F2 is a shortcut of its own below: it renames from any column.
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    m_table->verticalHeader()->hide();
    m_table->setTabKeyNavigation(false);
    QHeaderView* header = m_table->horizontalHeader();
    //: Accessible name of the table's row of column titles
    header->setAccessibleName(tr("Columns"));
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(DivisionColumn, QHeaderView::Stretch);
    header->setMinimumSectionSize(60);
    m_table->setMinimumWidth(620);
    layout->addWidget(m_table, 0, 0, 8, 1);
    // Rows as tight as the text, as the division window's lists are.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);

    QPushButton* addButton = makeButton(box, QStringLiteral("addManagerButton"), tr("Add"));
    QPushButton* renameButton =
        makeButton(box, QStringLiteral("renameManagerButton"), tr("Rename"));
    m_removeButton = makeButton(box, QStringLiteral("removeManagerButton"), tr("Remove"));
    m_upButton = makeButton(box, QStringLiteral("moveUpButton"), tr("Move up"));
    m_downButton = makeButton(box, QStringLiteral("moveDownButton"), tr("Move down"));
    m_leaveOutRowButton =
        makeButton(box, QStringLiteral("leaveOutRowButton"), tr("Leave this club out"));
    addButton->setAccessibleDescription(tr("Add a manager at the end (Insert)"));
    renameButton->setAccessibleDescription(tr("Rename the highlighted manager (F2)"));
    m_removeButton->setAccessibleDescription(tr("Remove the highlighted manager (Delete)"));
    m_upButton->setAccessibleDescription(tr("Move the highlighted manager up (Ctrl+Up)"));
    m_downButton->setAccessibleDescription(tr("Move the highlighted manager down (Ctrl+Down)"));
    m_leaveOutRowButton->setAccessibleDescription(
        tr("Leave the highlighted manager's club out of every draw from now on"));
    m_showLeftOutButton =
        makeButton(box, QStringLiteral("showLeftOutButton"), tr("Clubs left out…"));
    m_showLeftOutButton->setCheckable(true);
    int row = 0;
    for (QPushButton* button : {addButton, renameButton, m_removeButton, m_upButton, m_downButton,
                                m_leaveOutRowButton, m_showLeftOutButton})
        layout->addWidget(button, row++, 1);
    layout->setRowStretch(row, 1);

    // The same from the keyboard while the table has the focus.
    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* action = new QAction(m_table);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_table->addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Insert), &ManagersWindow::addManager);
    shortcut(QKeySequence(Qt::Key_F2), &ManagersWindow::renameManager);
    shortcut(QKeySequence(Qt::Key_Delete), &ManagersWindow::removeManager);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveManager(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveManager(1); });

    connect(addButton, &QPushButton::clicked, this, &ManagersWindow::addManager);
    connect(renameButton, &QPushButton::clicked, this, &ManagersWindow::renameManager);
    connect(m_removeButton, &QPushButton::clicked, this, &ManagersWindow::removeManager);
    connect(m_upButton, &QPushButton::clicked, this, [this] { moveManager(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveManager(1); });
    connect(m_leaveOutRowButton, &QPushButton::clicked, this, &ManagersWindow::leaveOutRowClub);
    connect(m_showLeftOutButton, &QPushButton::toggled, this, &ManagersWindow::showLeftOut);
    connect(m_table, &QTableWidget::cellChanged, this, &ManagersWindow::nameEdited);
    connect(m_table, &QTableWidget::currentCellChanged, this, &ManagersWindow::updateButtons);
    return box;
}

QWidget* ManagersWindow::buildSource() {
    auto* box = new QGroupBox(tr("Where the clubs come from"), this);
    box->setObjectName(QStringLiteral("sourceGroup"));
    auto* layout = new QVBoxLayout(box);
    m_nationsButton = new QRadioButton(tr("The nations ticked in the main window"), box);
    m_nationsButton->setObjectName(QStringLiteral("nationsSourceButton"));
    auto* divisionsButton =
        new QRadioButton(tr("The divisions selected in the division window"), box);
    divisionsButton->setObjectName(QStringLiteral("divisionsSourceButton"));
    m_nationsButton->setChecked(true);
    m_poolLabel = new QLabel(box);
    m_poolLabel->setObjectName(QStringLiteral("poolLabel"));
    m_poolLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(m_nationsButton);
    layout->addWidget(divisionsButton);
    layout->addWidget(m_poolLabel);
    connect(m_nationsButton, &QRadioButton::toggled, this, &ManagersWindow::refreshPool);
    return box;
}

QWidget* ManagersWindow::buildDraw() {
    auto* box = new QGroupBox(tr("The draw"), this);
    box->setObjectName(QStringLiteral("drawGroup"));
    auto* layout = new QGridLayout(box);

    m_wordsEdit = new QLineEdit(box);
    m_wordsEdit->setObjectName(QStringLiteral("agreedWordsEdit"));
    //: Example of words the players agree on before a draw
    m_wordsEdit->setPlaceholderText(tr("for example “Round 1, 10 December”"));
    m_wordsEdit->setAccessibleDescription(
        tr("Optional: words agreed before the draw; the same words draw the same clubs"));
    layout->addWidget(makeBuddy(box, tr("Agreed words:"), m_wordsEdit), 0, 0);
    layout->addWidget(m_wordsEdit, 0, 1, 1, 3);

    m_drawButton = makeButton(box, QStringLiteral("drawButton"), tr("Draw"));
    m_drawAgainButton = makeButton(box, QStringLiteral("drawAgainButton"), tr("Draw again"));
    m_drawAgainButton->setAccessibleDescription(tr("Draw new clubs for the rows not kept"));
    m_skipButton = makeButton(box, QStringLiteral("skipButton"), tr("Skip"));
    m_skipButton->setAccessibleDescription(tr("Show every club at once (Esc)"));
    m_copyResultButton = makeButton(box, QStringLiteral("copyResultButton"), tr("Copy the result"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_drawButton, m_drawAgainButton, m_skipButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_copyResultButton);
    layout->addLayout(buttons, 1, 0, 1, 4);

    m_codeEdit = new QLineEdit(box);
    m_codeEdit->setObjectName(QStringLiteral("drawCodeEdit"));
    m_codeEdit->setAccessibleDescription(
        tr("The code of the latest draw; type another code and replay it"));
    m_copyCodeButton = makeButton(box, QStringLiteral("copyCodeButton"), tr("Copy code"));
    QPushButton* replayButton = makeButton(box, QStringLiteral("replayButton"), tr("Replay"));
    replayButton->setAccessibleDescription(tr("Draw again what the code says"));
    layout->addWidget(makeBuddy(box, tr("Draw code:"), m_codeEdit), 2, 0);
    layout->addWidget(m_codeEdit, 2, 1);
    layout->addWidget(m_copyCodeButton, 2, 2);
    layout->addWidget(replayButton, 2, 3);

    m_messageLabel = new QLabel(box);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->hide();
    layout->addWidget(m_messageLabel, 3, 0, 1, 4);

    connect(m_drawButton, &QPushButton::clicked, this, &ManagersWindow::draw);
    connect(m_drawAgainButton, &QPushButton::clicked, this, &ManagersWindow::drawAgain);
    connect(m_skipButton, &QPushButton::clicked, this, &ManagersWindow::skipReveal);
    connect(m_copyResultButton, &QPushButton::clicked, this, &ManagersWindow::copyResult);
    connect(m_copyCodeButton, &QPushButton::clicked, this, &ManagersWindow::copyCode);
    connect(replayButton, &QPushButton::clicked, this, &ManagersWindow::replayCode);
    connect(m_codeEdit, &QLineEdit::returnPressed, this, &ManagersWindow::replayCode);
    return box;
}

QGroupBox* ManagersWindow::buildLeftOut() {
    auto* box = new QGroupBox(tr("Clubs left out"), this);
    box->setObjectName(QStringLiteral("leftOutGroup"));
    auto* layout = new QGridLayout(box);

    m_searchEdit = new QLineEdit(box);
    m_searchEdit->setObjectName(QStringLiteral("clubSearchEdit"));
    m_searchEdit->setClearButtonEnabled(true);
    layout->addWidget(makeBuddy(box, tr("Search the catalogue:"), m_searchEdit), 0, 0);
    layout->addWidget(m_searchEdit, 1, 0);
    m_catalogueList = new QListView(box);
    m_catalogueList->setObjectName(QStringLiteral("catalogueList"));
    m_catalogueList->setAccessibleName(tr("Clubs of the catalogue"));
    m_catalogueList->setUniformItemSizes(true);
    m_catalogueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_catalogueModel = new QStringListModel(box);
    m_catalogueFilter = new QSortFilterProxyModel(box);
    m_catalogueFilter->setSourceModel(m_catalogueModel);
    m_catalogueFilter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_catalogueList->setModel(m_catalogueFilter);
    layout->addWidget(m_catalogueList, 2, 0);
    m_leaveOutPickedButton =
        makeButton(box, QStringLiteral("leaveOutPickedButton"), tr("Leave out"));
    m_leaveOutPickedButton->setAccessibleDescription(tr("Leave the highlighted club out"));
    layout->addWidget(m_leaveOutPickedButton, 3, 0, Qt::AlignLeft);

    m_leftOutList = new QListWidget(box);
    m_leftOutList->setObjectName(QStringLiteral("leftOutList"));
    layout->addWidget(makeBuddy(box, tr("Left out of every draw:"), m_leftOutList), 0, 1);
    layout->addWidget(m_leftOutList, 1, 1, 2, 1);
    m_putBackButton = makeButton(box, QStringLiteral("putBackButton"), tr("Put back"));
    m_putBackButton->setAccessibleDescription(tr("Let the highlighted club be drawn again"));
    layout->addWidget(m_putBackButton, 3, 1, Qt::AlignLeft);

    connect(m_searchEdit, &QLineEdit::textChanged, m_catalogueFilter,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(m_leaveOutPickedButton, &QPushButton::clicked, this,
            &ManagersWindow::leaveOutPickedClub);
    connect(m_catalogueList, &QListView::activated, this, &ManagersWindow::leaveOutPickedClub);
    connect(m_putBackButton, &QPushButton::clicked, this, &ManagersWindow::putBack);
    connect(m_leftOutList, &QListWidget::itemActivated, this, &ManagersWindow::putBack);
    return box;
}

void ManagersWindow::readLeaveOutList() {
    try {
        m_leaveOut = std::make_unique<LeaveOutList>(LeaveOutList::read(m_leaveOutPath));
        m_leaveOutBroken = false;
    } catch (const RunError& error) {
        // Left as it is: nothing here may overwrite what the user can still
        // mend.
        m_leaveOut = std::make_unique<LeaveOutList>();
        m_leaveOutBroken = true;
        m_leftOutFileLabel->setText(
            tr("The list of clubs left out cannot be read, so no club is left out until it is "
               "mended; it stays as it is. %1")
                .arg(error.oneLine()));
    }
    m_leftOutFileLabel->setVisible(m_leaveOutBroken);
    m_readAgainButton->setVisible(m_leaveOutBroken);
    showLeftOutEntries();
}

void ManagersWindow::readLeaveOutAgain() {
    readLeaveOutList();
    forgetCode();
    refreshPool();
}

ClubSource ManagersWindow::currentSource() const {
    return m_nationsButton->isChecked() ? m_sources.nations() : m_sources.divisions();
}

QStringList ManagersWindow::managerNames() const {
    QStringList names;
    for (const Row& row : m_rows)
        names << row.manager;
    return names;
}

void ManagersWindow::refreshPool() {
    // A preset ticks sixteen boxes at once, and the window has just opened
    // when it first counts: count once, when the event loop is back.
    if (m_countQueued)
        return;
    m_countQueued = true;
    QTimer::singleShot(0, this, &ManagersWindow::countPool);
}

void ManagersWindow::countPool() {
    m_countQueued = false;
    const ClubSource source = currentSource();
    const bool nations = source.kind == ClubSource::Kind::Nations;
    if (nations && std::none_of(source.ticks.begin(), source.ticks.end(), [](bool t) { return t; }))
        m_poolLabel->setText(tr("No nation is ticked in the main window."));
    else if (!nations && source.divisions.empty())
        m_poolLabel->setText(tr("No division is selected in the division window."));
    else
        m_poolLabel->setText(tr("%n club(s) to draw from, those left out not counted.", "",
                                clubsLeftIn(source.pool(m_catalogue), *m_leaveOut)));
}

void ManagersWindow::addManager() {
    m_rows.push_back({LeagueText::managerName(managerNames(), static_cast<int>(m_rows.size())),
                      std::nullopt, false});
    forgetCode();
    showRows();
    setCurrentRow(static_cast<int>(m_rows.size()) - 1);
}

void ManagersWindow::renameManager() {
    const int row = currentRow();
    if (row < 0)
        return;
    m_table->setFocus();
    m_table->editItem(m_table->item(row, ManagerColumn));
}

void ManagersWindow::removeManager() {
    const int row = currentRow();
    if (row < 0 || m_rows.size() <= minimumManagers || isRevealing())
        return;
    m_rows.erase(m_rows.begin() + row);
    forgetCode();
    showRows();
    setCurrentRow(std::min(row, static_cast<int>(m_rows.size()) - 1));
}

void ManagersWindow::moveManager(int by) {
    const int row = currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(m_rows.size()) || isRevealing())
        return;
    std::swap(m_rows[static_cast<std::size_t>(row)], m_rows[static_cast<std::size_t>(to)]);
    forgetCode();
    showRow(row);
    showRow(to);
    setCurrentRow(to);
}

void ManagersWindow::nameEdited(int row, int column) {
    Row& r = m_rows[static_cast<std::size_t>(row)];
    if (column == ManagerColumn) {
        const QString name = m_table->item(row, column)->text().trimmed();
        // A blanked name becomes the row's default one: the row stays someone's.
        r.manager = name.isEmpty() ? LeagueText::managerName({}, row) : name;
        // Mended in place: the item is still inside its own change.
        const QSignalBlocker blocker(m_table);
        m_table->item(row, column)->setText(r.manager);
        m_table->item(row, KeptColumn)->setData(Qt::AccessibleTextRole, keepName(r.manager));
    } else if (column == KeptColumn) {
        r.kept = m_table->item(row, column)->checkState() == Qt::Checked;
    }
}

void ManagersWindow::draw() {
    for (Row& row : m_rows)
        row.kept = false;
    startDraw(false);
}

void ManagersWindow::drawAgain() {
    startDraw(true);
}

void ManagersWindow::startDraw(bool keepKept) {
    skipReveal();
    say({});
    LeagueRequest request;
    request.managerCount = static_cast<int>(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (keepKept && m_rows[i].kept && m_rows[i].club)
            request.kept.emplace(static_cast<int>(i), *m_rows[i].club);
    if (request.kept.size() == m_rows.size()) {
        say(tr("Every row is kept: there is nothing to draw."));
        return;
    }
    const QString words = m_wordsEdit->text();
    request.seed = normalisedWords(words).isEmpty() ? randomSeed() : seedFromWords(words);
    request.source = currentSource();
    const LeagueOutcome outcome = runLeagueDraw(request, m_lookup, *m_leaveOut);
    if (!outcome.result.drawn()) {
        sayShortfall(outcome.result);
        return;
    }
    showDraw(request, outcome.result.clubs, outcome.code);
}

void ManagersWindow::sayShortfall(const LeagueResult& result) {
    if (result.outlook.shortfall == DrawOutlook::Shortfall::FewerThanTwo)
        say(tr("Only one club to draw from, and a draw needs two or more: nothing was drawn."));
    else
        say(tr("Only %1 to draw from for %2: nothing was drawn.")
                .arg(tr("%n club(s)", "", result.outlook.available),
                     tr("%n manager(s)", "", result.rowsToDraw)));
}

void ManagersWindow::replayCode() {
    skipReveal();
    say({});
    const Replay replay = replayLeagueDraw(m_codeEdit->text(), m_lookup, *m_leaveOut);
    if (replay.problem != CodeProblem::None) {
        say(codeProblemText(replay.problem));
        return;
    }
    if (!replay.outcome.result.drawn()) {
        sayShortfall(replay.outcome.result);
        return;
    }
    const auto count = static_cast<std::size_t>(replay.request.managerCount);
    while (m_rows.size() < count)
        m_rows.push_back({LeagueText::managerName(managerNames(), static_cast<int>(m_rows.size())),
                          std::nullopt, false});
    m_rows.resize(std::max(count, minimumManagers));
    showDraw(replay.request, replay.outcome.result.clubs, replay.outcome.code);
}

void ManagersWindow::showDraw(const LeagueRequest& request, const std::vector<Club>& clubs,
                              const QString& code) {
    m_code = code;
    m_codeEdit->setText(code);
    // The reveal flickers through what could have been drawn.
    m_revealPool = CandidatePool();
    const CandidatePool pool = request.source.pool(m_catalogue);
    for (const Club& club : pool.entries())
        if (!m_leaveOut->contains(club))
            m_revealPool.add(club);
    m_revealRows.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        const bool kept = request.kept.contains(static_cast<int>(i));
        row.kept = kept;
        row.club = i < clubs.size() ? std::optional<Club>(clubs[i]) : std::nullopt;
        if (!kept && row.club)
            m_revealRows.push_back(static_cast<int>(i));
    }
    showRows();
    // Each row not kept lands in turn, as the draw windows' reveals land.
    m_schedule.start();
    m_timer->start(m_schedule.waitMs());
    updateButtons();
}

void ManagersWindow::forgetCode() {
    // The code replays the rows as drawn; moved, added or removed rows are
    // another draw.
    m_code.clear();
    m_codeEdit->clear();
}

void ManagersWindow::advanceReveal() {
    if (m_revealRows.empty())
        return;
    const int row = m_revealRows.front();
    const RevealStep step = m_schedule.tick(m_revealPool, m_random);
    if (step.finished || !step.showsPick) {
        m_revealRows.pop_front();
        showRow(row);
        if (m_revealRows.empty()) {
            updateButtons();
            Q_EMIT revealFinished();
            return;
        }
        m_schedule.start();
    } else {
        m_table->item(row, ClubColumn)->setText(step.clubName);
        m_table->item(row, DivisionColumn)->setText(step.divisionLine);
    }
    m_timer->start(m_schedule.waitMs());
}

void ManagersWindow::skipReveal() {
    if (m_revealRows.empty())
        return;
    m_timer->stop();
    m_schedule.stop();
    m_revealRows.clear();
    showRows();
    updateButtons();
    Q_EMIT revealFinished();
}

void ManagersWindow::showRows() {
    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (int row = 0; row < m_table->rowCount(); ++row)
        showRow(row);
    updateButtons();
}

void ManagersWindow::showRow(int row) {
    const QSignalBlocker blocker(m_table);
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    const bool landed =
        r.club && std::find(m_revealRows.begin(), m_revealRows.end(), row) == m_revealRows.end();
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    m_table->setItem(row, ManagerColumn, makeItem(r.manager, shown | Qt::ItemIsEditable));
    auto* club = makeItem(landed ? r.club->name : QString(), shown);
    QFont bold = m_table->font();
    bold.setBold(true);
    if (landed)
        club->setFont(bold);
    m_table->setItem(row, ClubColumn, club);
    m_table->setItem(row, DivisionColumn,
                     makeItem(landed ? divisionLine(*r.club) : QString(), shown));
    // Only a club can be kept.
    auto* kept = makeItem({}, r.club ? shown | Qt::ItemIsUserCheckable : shown);
    kept->setCheckState(r.kept ? Qt::Checked : Qt::Unchecked);
    kept->setData(Qt::AccessibleTextRole, keepName(r.manager));
    m_table->setItem(row, KeptColumn, kept);
}

int ManagersWindow::currentRow() const {
    return m_table->currentRow();
}

void ManagersWindow::setCurrentRow(int row) {
    m_table->setCurrentCell(row, ManagerColumn);
    updateButtons();
}

void ManagersWindow::updateButtons() {
    const int row = currentRow();
    const bool revealing = isRevealing();
    const bool drawn =
        std::any_of(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.club.has_value(); });
    m_removeButton->setEnabled(!revealing && row >= 0 && m_rows.size() > minimumManagers);
    m_upButton->setEnabled(!revealing && row > 0);
    m_downButton->setEnabled(!revealing && row >= 0 && row + 1 < static_cast<int>(m_rows.size()));
    m_leaveOutRowButton->setEnabled(!revealing && !m_leaveOutBroken && row >= 0 &&
                                    m_rows[static_cast<std::size_t>(row)].club.has_value());
    m_drawAgainButton->setEnabled(!revealing && drawn);
    m_skipButton->setEnabled(revealing);
    m_skipShortcut->setEnabled(revealing);
    m_copyResultButton->setEnabled(!revealing && !m_code.isEmpty());
    m_copyCodeButton->setEnabled(!m_code.isEmpty());
    m_leaveOutPickedButton->setEnabled(!m_leaveOutBroken);
    m_putBackButton->setEnabled(!m_leaveOutBroken);
}

void ManagersWindow::changeLeaveOut(const std::function<void(LeaveOutList&)>& change) {
    if (m_leaveOutBroken)
        return;
    LeaveOutList changed = *m_leaveOut;
    change(changed);
    try {
        changed.save(m_leaveOutPath);
    } catch (const RunError& error) {
        say(error.oneLine());
        return;
    }
    *m_leaveOut = std::move(changed);
    showLeftOutEntries();
    refreshPool();
}

void ManagersWindow::leaveOutRowClub() {
    const int row = currentRow();
    if (row < 0 || !m_rows[static_cast<std::size_t>(row)].club)
        return;
    Row& r = m_rows[static_cast<std::size_t>(row)];
    const Club club = *r.club;
    changeLeaveOut([&club](LeaveOutList& list) { list.add(club); });
    // A club left out is not one to keep.
    if (m_leaveOut->contains(club) && r.kept) {
        r.kept = false;
        showRow(row);
    }
}

void ManagersWindow::leaveOutPickedClub() {
    const QModelIndex index = m_catalogueFilter->mapToSource(m_catalogueList->currentIndex());
    if (!index.isValid())
        return;
    const ClubIdentity club = m_catalogueClubs[static_cast<std::size_t>(index.row())];
    changeLeaveOut([&club](LeaveOutList& list) { list.add(club); });
}

void ManagersWindow::putBack() {
    const int row = m_leftOutList->currentRow();
    if (row < 0)
        return;
    const ClubIdentity club = m_leaveOut->lines()[static_cast<std::size_t>(row)];
    changeLeaveOut([&club](LeaveOutList& list) { list.remove(club); });
}

void ManagersWindow::showLeftOut(bool shown) {
    m_leftOutGroup->setVisible(shown);
    if (shown) {
        fillCatalogueList();
        showLeftOutEntries();
    }
}

void ManagersWindow::fillCatalogueList() {
    // Only now: opening the window must not wait for the whole catalogue.
    if (!m_catalogueClubs.empty())
        return;
    CandidatePool all;
    for (const Club& club : m_catalogue.clubs)
        all.add(club);
    QStringList texts;
    for (const Club& club : differentClubs(all)) {
        m_catalogueClubs.push_back(clubIdentity(club));
        texts << clubText(m_catalogueClubs.back());
    }
    m_catalogueModel->setStringList(texts);
}

void ManagersWindow::showLeftOutEntries() {
    updateButtons();
    // Which lines the catalogue lacks takes a look at every club: only for
    // a list on view.
    if (!m_showLeftOutButton->isChecked())
        return;
    m_leftOutList->clear();
    for (const ClubIdentity& club : m_leaveOut->lines())
        m_leftOutList->addItem(clubText(club));
    for (int missing : m_leaveOut->notFound(m_lookup)) {
        QListWidgetItem* item = m_leftOutList->item(missing);
        //: A club left out that the catalogue in use does not hold
        item->setText(tr("%1 – not found").arg(item->text()));
    }
}

QString ManagersWindow::keepName(const QString& manager) {
    //: Accessible name of a row's keep box
    return tr("Keep %1's club").arg(manager);
}

QString ManagersWindow::clubText(const ClubIdentity& club) {
    //: A club and its nation in the lists of clubs left out
    return tr("%1 (%2)").arg(club.second, club.first);
}

void ManagersWindow::copyCode() {
    QApplication::clipboard()->setText(m_code);
}

void ManagersWindow::copyResult() {
    std::vector<Club> clubs;
    for (const Row& row : m_rows)
        if (row.club)
            clubs.push_back(*row.club);
    QApplication::clipboard()->setText(resultText(managerNames(), clubs, m_code));
}

void ManagersWindow::say(const QString& message) {
    m_messageLabel->setText(message);
    m_messageLabel->setVisible(!message.isEmpty());
}

} // namespace clubdraw
