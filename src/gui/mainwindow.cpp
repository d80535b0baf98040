// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "aboutwindow.h"
#include "divisionwindow.h"
#include "languagemenu.h"
#include "managerswindow.h"
#include "resultpanel.h"
#include "secondarywindow.h"
#include "thankswindow.h"
#include "widgethelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <iterator>

namespace clubdraw {

namespace {

template <typename Button>
Button* makeChoice(QWidget* parent, const QString& objectName, const QString& caption, int left,
                   int top, int width) {
    auto* button = new Button(caption, parent);
    button->setObjectName(objectName);
    place(button, left, top, width, 255);
    return button;
}

struct NationPlace {
    Nation nation;
    int left;
    int top;
    int width;
};

// Where each box of the nation grid sits in its frame, in twips; USA lies
// outside the frame.
constexpr NationPlace nationPlaces[] = {
    {Nation::Argentina, 120, 600, 1815}, {Nation::Belgium, 120, 1080, 975},
    {Nation::Brazil, 120, 1560, 1095},   {Nation::Denmark, 120, 2040, 975},
    {Nation::England, 2160, 600, 975},   {Nation::France, 2160, 1080, 1095},
    {Nation::Germany, 2160, 1560, 1095}, {Nation::Holland, 2160, 2040, 1215},
    {Nation::Japan, 4200, 600, 975},     {Nation::Italy, 4200, 1080, 1095},
    {Nation::Norway, 4200, 1560, 1095},  {Nation::Portugal, 4200, 2040, 1095},
    {Nation::Scotland, 5880, 600, 975},  {Nation::Spain, 5880, 1080, 975},
    {Nation::Sweden, 5880, 1560, 1095},
};

// The six preset buttons in their frame, in twips.
struct PresetPlace {
    NationPreset preset;
    const char* objectName;
    const char* caption; // translated in the window's context
    int left;
    int top;
    int width;
};
constexpr PresetPlace presetPlaces[] = {
    {NationPreset::AutumnSpring, "autumnSpringPreset",
     QT_TRANSLATE_NOOP("clubdraw::MainWindow", "Autumn/spring leagues"), 120, 2640, 2295},
    {NationPreset::SpringAutumn, "springAutumnPreset",
     QT_TRANSLATE_NOOP("clubdraw::MainWindow", "Spring/autumn leagues"), 120, 3000, 2295},
    {NationPreset::Europe, "europePreset", QT_TRANSLATE_NOOP("clubdraw::MainWindow", "Europe"),
     2520, 2640, 1455},
    {NationPreset::SouthAmerica, "southAmericaPreset",
     QT_TRANSLATE_NOOP("clubdraw::MainWindow", "South America"), 2520, 3000, 1695},
    {NationPreset::AllNations, "allNationsPreset",
     QT_TRANSLATE_NOOP("clubdraw::MainWindow", "All nations"), 4440, 2640, 2055},
    {NationPreset::None, "nonePreset",
     //: Preset that unticks every nation
     QT_TRANSLATE_NOOP("clubdraw::MainWindow", "None"), 4440, 3000, 1815},
};

} // namespace

QString nationBoxName(Nation nation) {
    return nationName(nation).toLower() + QStringLiteral("Box");
}

MainWindow::MainWindow(Catalogue catalogue, std::unique_ptr<RandomSource> random, SteadyClock clock)
    : m_catalogue(std::move(catalogue)), m_random(std::move(random)), m_clock(std::move(clock)) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Clubdraw for Championship Manager 99/00"));
    setFont(msSansSerif());
    buildControls();

    // The client area below the menu bar opens at a fixed place on the screen.
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(twips(1185), twips(1110) - menuHeight, twips(7725), twips(7320) + menuHeight);
    m_nationBoxes[static_cast<int>(Nation::Argentina)]->setFocus();
}

MainWindow::~MainWindow() {
    // The other windows have no owner; they end with the program.
    for (const QPointer<SecondaryWindow>& window : m_windows)
        delete window.data();
}

DivisionWindow* MainWindow::divisionWindow() const {
    return m_divisionWindow;
}
AboutWindow* MainWindow::aboutWindow() const {
    return m_aboutWindow;
}
ThanksWindow* MainWindow::thanksWindow() const {
    return m_thanksWindow;
}
ManagersWindow* MainWindow::managersWindow() const {
    return m_managersWindow;
}

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    QLabel* title = makeLabel(client, QStringLiteral("titleLabel"), tr("Clubdraw for CM99/00"),
                              Qt::AlignLeft, garamondBold());
    place(title, 240, 120, 5175, 735);

    // The frame comes after the banner, so it is drawn over the banner's
    // lower part.
    auto* nationFrame = new QGroupBox(tr("Select nation(s)"), client);
    nationFrame->setObjectName(QStringLiteral("nationFrame"));
    place(nationFrame, 120, 600, 7455, 3495);
    for (const NationPlace& p : nationPlaces) {
        auto* box = makeChoice<QCheckBox>(nationFrame, nationBoxName(p.nation),
                                          nationCaption(p.nation), p.left, p.top, p.width);
        widenForTranslation(box, nationName(p.nation));
        m_nationBoxes[static_cast<int>(p.nation)] = box;
    }
    std::array<QRadioButton*, std::size(presetPlaces)> presets{};
    for (const PresetPlace& p : presetPlaces) {
        QRadioButton* button = addPreset(nationFrame, p.preset, QLatin1String(p.objectName),
                                         tr(p.caption), p.left, p.top, p.width);
        widenForTranslation(button, QLatin1String(p.caption));
        presets[static_cast<std::size_t>(p.preset)] = button;
    }
    const auto preset = [&](NationPreset p) { return presets[static_cast<std::size_t>(p)]; };

    // USA lies on the window itself, in front of the frame, in the grid's
    // last place.
    auto* usa = makeChoice<QCheckBox>(client, nationBoxName(Nation::Usa),
                                      nationCaption(Nation::Usa), 6000, 2640, 1215);
    m_nationBoxes[static_cast<int>(Nation::Usa)] = usa;
    usa->raise();

    auto* databaseFrame = new QGroupBox(tr("Choose database type"), client);
    databaseFrame->setObjectName(QStringLiteral("databaseFrame"));
    place(databaseFrame, 120, 4320, 3495, 1095);
    m_minimumButton =
        makeChoice<QRadioButton>(databaseFrame, QStringLiteral("minimumButton"),
                                 //: The game's small database, of the top divisions only
                                 tr("Minimum"), 120, 360, 1695);
    auto* normalButton = makeChoice<QRadioButton>(databaseFrame, QStringLiteral("normalButton"),
                                                  //: The game's full database, every club
                                                  tr("Normal"), 120, 720, 1695);
    m_minimumButton->setChecked(true);

    QPushButton* divisionsButton = makeButton(client, QStringLiteral("divisionWindowButton"),
                                              tr("Select single divisions"), 4080, 4320, 3495, 495);
    QPushButton* findButton = makeButton(client, QStringLiteral("findButton"),
                                         tr("Find random team"), 5520, 5040, 2055, 735);
    QPushButton* clearButton = makeButton(client, QStringLiteral("clearButton"),
                                          tr("Clear results"), 6240, 6120, 1335, 495);
    QPushButton* quitButton =
        makeButton(client, QStringLiteral("quitButton"), tr("Quit"), 6240, 6720, 1335, 495);

    m_result = new ResultPanel(*m_random, m_clock, client);
    m_result->place({twipsRect(0, 5760, 2175, 375), twipsRect(840, 6240, 1335, 255),
                     twipsRect(2280, 5760, 3135, 375), twipsRect(2280, 6240, 3135, 615)},
                    //: Before the drawn club's division line; keep the leading blank
                    tr(" in :"), msSansSerif(9.75));

    //: Title of the menu holding the two credit windows
    QMenu* aboutMenu = menuBar()->addMenu(tr("About"));
    aboutMenu->setObjectName(QStringLiteral("aboutMenu"));
    QAction* aboutAction = aboutMenu->addAction(tr("About..."));
    aboutAction->setObjectName(QStringLiteral("aboutAction"));
    QAction* thanksAction = aboutMenu->addAction(tr("Thanks to..."));
    thanksAction->setObjectName(QStringLiteral("thanksAction"));
    buildExtrasMenu();

    const auto box = [this](Nation n) -> QWidget* { return m_nationBoxes[static_cast<int>(n)]; };
    setTabChain({box(Nation::Argentina),
                 box(Nation::Brazil),
                 box(Nation::Belgium),
                 box(Nation::Denmark),
                 box(Nation::England),
                 box(Nation::France),
                 box(Nation::Italy),
                 box(Nation::Japan),
                 box(Nation::Holland),
                 box(Nation::Norway),
                 box(Nation::Portugal),
                 box(Nation::Scotland),
                 box(Nation::Spain),
                 box(Nation::Sweden),
                 box(Nation::Germany),
                 m_minimumButton,
                 normalButton,
                 findButton,
                 quitButton,
                 preset(NationPreset::AutumnSpring),
                 preset(NationPreset::SpringAutumn),
                 preset(NationPreset::AllNations),
                 preset(NationPreset::None),
                 clearButton,
                 divisionsButton,
                 preset(NationPreset::Europe),
                 preset(NationPreset::SouthAmerica),
                 usa});

    connect(findButton, &QPushButton::clicked, this, &MainWindow::drawClub);
    connect(clearButton, &QPushButton::clicked, this, &MainWindow::clearResults);
    connect(quitButton, &QPushButton::clicked, this, [] { QCoreApplication::quit(); });
    connect(divisionsButton, &QPushButton::clicked, this, &MainWindow::showDivisionWindow);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(thanksAction, &QAction::triggered, this, &MainWindow::showThanks);
    for (QCheckBox* nationBox : m_nationBoxes)
        connect(nationBox, &QCheckBox::toggled, this, &MainWindow::nationChoiceChanged);
    connect(m_minimumButton, &QRadioButton::toggled, this, &MainWindow::nationChoiceChanged);
}

void MainWindow::buildExtrasMenu() {
    //: Title of the menu after "About" that holds what the program adds
    QMenu* extrasMenu = menuBar()->addMenu(tr("Extras"));
    extrasMenu->setObjectName(QStringLiteral("extrasMenu"));
    QAction* managersAction = extrasMenu->addAction(tr("Several managers…"));
    managersAction->setObjectName(QStringLiteral("severalManagersAction"));
    managersAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(managersAction, &QAction::triggered, this, &MainWindow::showManagersWindow);
    extrasMenu->addMenu(new LanguageMenu(extrasMenu));
}

QRadioButton* MainWindow::addPreset(QWidget* frame, NationPreset preset, const QString& objectName,
                                    const QString& caption, int left, int top, int width) {
    auto* button = makeChoice<QRadioButton>(frame, objectName, caption, left, top, width);
    // However the button gets chosen (mouse, keys, a screen reader's
    // toggle); a click on the chosen one applies it again.
    connect(button, &QRadioButton::toggled, this, [this, preset](bool checked) {
        if (checked)
            applyPreset(preset);
    });
    connect(button, &QRadioButton::clicked, this, [this, preset] { applyPreset(preset); });
    return button;
}

NationTicks MainWindow::nationTicks() const {
    NationTicks t{};
    for (int n = 0; n < nationCount; ++n)
        t[n] = m_nationBoxes[n]->checkState() == Qt::Checked;
    return t;
}

void MainWindow::applyPreset(NationPreset preset) {
    const NationTicks pattern = presetPattern(preset);
    for (int n = 0; n < nationCount; ++n)
        m_nationBoxes[n]->setCheckState(pattern[n] ? Qt::Checked : Qt::Unchecked);
}

DatabaseType MainWindow::databaseType() const {
    return m_minimumButton->isChecked() ? DatabaseType::Minimum : DatabaseType::Normal;
}

std::vector<DivisionKey> MainWindow::selectedDivisions() const {
    return m_divisionWindow ? m_divisionWindow->selectedDivisions() : std::vector<DivisionKey>{};
}

void MainWindow::drawClub() {
    m_result->startDraw(buildNationPool(m_catalogue, nationTicks(), databaseType()));
}

void MainWindow::clearResults() {
    m_result->clearCaptions();
}

template <typename Window, typename Make>
void MainWindow::showSingle(QPointer<Window>& slot, Make make) {
    if (!slot) {
        Window* window = make();
        slot = window;
        // Forgotten as soon as it is closed, not when Qt deletes it: the
        // next use must make a new window, not bring the closed one back.
        connect(window, &SecondaryWindow::closed, this, [&slot, window] {
            if (slot == window)
                slot = nullptr;
        });
        std::erase_if(m_windows, [](const QPointer<SecondaryWindow>& w) { return w.isNull(); });
        m_windows.emplace_back(window);
    }
    bringToFront(slot);
}

void MainWindow::showDivisionWindow() {
    const bool made = !m_divisionWindow;
    showSingle(m_divisionWindow,
               [this] { return new DivisionWindow(m_catalogue, *m_random, m_clock); });
    if (made) {
        connect(m_divisionWindow, &DivisionWindow::selectionChanged, this,
                &MainWindow::divisionChoiceChanged);
        // Connected after showSingle's own: by then the window is forgotten,
        // and its choice with it.
        connect(m_divisionWindow, &SecondaryWindow::closed, this,
                &MainWindow::divisionChoiceChanged);
    }
}

void MainWindow::showAbout() {
    showSingle(m_aboutWindow, [] { return new AboutWindow(); });
}

void MainWindow::showThanks() {
    showSingle(m_thanksWindow, [] { return new ThanksWindow(); });
}

void MainWindow::showManagersWindow() {
    showSingle(m_managersWindow, [this] {
        auto* window = new ManagersWindow(
            m_catalogue, *m_random, m_clock,
            {[this] { return ClubSource::fromNations(nationTicks(), databaseType()); },
             [this] { return ClubSource::fromDivisions(selectedDivisions()); }});
        connect(this, &MainWindow::nationChoiceChanged, window, &ManagersWindow::refreshPool);
        connect(this, &MainWindow::divisionChoiceChanged, window, &ManagersWindow::refreshPool);
        return window;
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, hidden windows included.
    event->accept();
    QCoreApplication::quit();
}

} // namespace clubdraw
