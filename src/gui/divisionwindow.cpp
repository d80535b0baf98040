// SPDX-License-Identifier: GPL-3.0-or-later
#include "divisionwindow.h"

#include "resultpanel.h"
#include "widgethelpers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

namespace clubdraw {

namespace {

QListWidget* makeList(QWidget* parent, const QString& objectName, int left, int top, int width,
                      int height) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    place(list, left, top, width, height);
    return list;
}

// The row of the selected entry, or -1 when none is selected.
int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

} // namespace

DivisionWindow::DivisionWindow(const Catalogue& catalogue, RandomSource& random, SteadyClock clock,
                               QWidget* parent)
    : SecondaryWindow(parent), m_catalogue(catalogue), m_random(random) {
    setObjectName(QStringLiteral("divisionWindow"));
    setWindowTitle(tr("Clubdraw for Championship Manager 99/00"));
    setFont(msSansSerif());
    resizeClient(this, 7515, 7350);
    buildControls(std::move(clock));
    loadDivisions();
    m_allList->setFocus();
}

DivisionWindow::~DivisionWindow() = default;

std::vector<DivisionKey> DivisionWindow::selectedDivisions() const {
    return m_selection->selectedKeys();
}

void DivisionWindow::buildControls(SteadyClock clock) {
    QLabel* title = makeLabel(this, QStringLiteral("titleLabel"), tr("Clubdraw for CM99/00"),
                              Qt::AlignLeft, garamondBold());
    place(title, 240, 120, 5535, 615);
    const QFont heading = msSansSerif(8.25, Underline::Yes);
    QLabel* allHeading = makeLabel(this, QStringLiteral("allDivisionsHeading"), tr("All divisions"),
                                   Qt::AlignLeft, heading);
    place(allHeading, 120, 720, 2055, 255);
    m_allList = makeList(this, QStringLiteral("allDivisionsList"), 120, 960, 3255, 3375);
    m_allList->setAccessibleName(allHeading->text());
    QLabel* selectedHeading = makeLabel(this, QStringLiteral("selectedDivisionsHeading"),
                                        tr("Selected divisions"), Qt::AlignLeft, heading);
    place(selectedHeading, 4080, 720, 2175, 255);
    m_selectedList = makeList(this, QStringLiteral("selectedDivisionsList"), 4080, 960, 3255, 3375);
    m_selectedList->setAccessibleName(selectedHeading->text());

    QPushButton* addButton =
        makeButton(this, QStringLiteral("addButton"), QStringLiteral(">"), 3480, 1200, 495, 495);
    QPushButton* addAllButton = makeButton(this, QStringLiteral("addAllButton"),
                                           QStringLiteral(">>"), 3480, 1800, 495, 495);
    QPushButton* removeButton =
        makeButton(this, QStringLiteral("removeButton"), QStringLiteral("<"), 3480, 2880, 495, 495);
    QPushButton* removeAllButton = makeButton(this, QStringLiteral("removeAllButton"),
                                              QStringLiteral("<<"), 3480, 3480, 495, 495);
    // The arrows say little to a screen reader on their own.
    addButton->setAccessibleDescription(tr("Add the highlighted division"));
    addAllButton->setAccessibleDescription(tr("Add every division"));
    removeButton->setAccessibleDescription(tr("Remove the highlighted division"));
    removeAllButton->setAccessibleDescription(tr("Remove every division"));
    QPushButton* findButton = makeButton(this, QStringLiteral("findButton"), tr("Find random team"),
                                         5520, 5040, 1815, 975);
    QPushButton* clearButton =
        makeButton(this, QStringLiteral("clearButton"), tr("Clear results"), 3360, 5160, 1455, 495);
    //: Button: hide this window and go back to the main window
    QPushButton* backButton =
        makeButton(this, QStringLiteral("backButton"), tr("Back"), 5880, 6600, 1455, 495);

    m_result = new ResultPanel(m_random, std::move(clock), this);
    m_result->place({twipsRect(0, 6000, 1935, 375), twipsRect(600, 6480, 1335, 255),
                     twipsRect(2040, 6000, 2775, 375), twipsRect(2040, 6480, 3375, 495)},
                    //: Before the drawn club's division line
                    tr("in :"), msSansSerif(9.75));

    setTabChain({m_allList, m_selectedList, addButton, addAllButton, removeButton, removeAllButton,
                 findButton, backButton, clearButton});

    connect(addButton, &QPushButton::clicked, this, &DivisionWindow::addDivision);
    connect(addAllButton, &QPushButton::clicked, this, &DivisionWindow::addAllDivisions);
    connect(removeButton, &QPushButton::clicked, this, &DivisionWindow::removeDivision);
    connect(removeAllButton, &QPushButton::clicked, this, &DivisionWindow::removeAllDivisions);
    connect(m_allList, &QListWidget::itemDoubleClicked, this, &DivisionWindow::addDivision);
    connect(m_selectedList, &QListWidget::itemDoubleClicked, this, &DivisionWindow::removeDivision);
    connect(findButton, &QPushButton::clicked, this, &DivisionWindow::drawClub);
    connect(clearButton, &QPushButton::clicked, m_result, &ResultPanel::clearCaptions);
    connect(backButton, &QPushButton::clicked, this, &QWidget::hide);
    // Qt deletes a closed window only later; its timer must not tick till then.
    connect(this, &SecondaryWindow::closed, m_result, &ResultPanel::stopReveal);
}

void DivisionWindow::loadDivisions() {
    m_random.reseedFromClock();
    m_divisions = collectDivisions(m_catalogue);
    m_selection = std::make_unique<DivisionSelection>(m_divisions);
    m_allList->addItems(m_divisions.labels());
}

void DivisionWindow::showSelected() {
    // Rebuilt whole: the order is the selection's, and no entry stays
    // selected, so the next ">" adds rather than replaces.
    m_selectedList->clear();
    m_selectedList->addItems(m_selection->selectedLabels());
    Q_EMIT selectionChanged();
}

void DivisionWindow::addDivision() {
    if (m_selection->addOne(selectedRow(m_allList), selectedRow(m_selectedList)))
        showSelected();
}

void DivisionWindow::addAllDivisions() {
    m_selection->selectAll();
    showSelected();
}

void DivisionWindow::removeDivision() {
    if (m_selection->removeOne(selectedRow(m_selectedList)))
        showSelected();
}

void DivisionWindow::removeAllDivisions() {
    m_selection->removeAll();
    m_selectedList->clear();
    Q_EMIT selectionChanged();
}

void DivisionWindow::drawClub() {
    // Every club of the chosen divisions, "Minimum" or not.
    m_result->startDraw(buildDivisionPool(m_catalogue, m_selection->selectedKeys()));
}

} // namespace clubdraw
