#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/Engine.h"
#include "app/MainWindowActions.h"
#include "app/OperatingMode.h"
#include "app/ProjectFiles.h"
#include "app/System.h"
#include "app/ui/DesktopWindows.h"
#include "platform/Operator.h"

namespace wl {

namespace {

constexpr std::array<int, 8> kPanelWidths{85, 85, 85, 100, 110, 110, 150, 50};

struct ModeButtonSpec {
    const char* name;
    const char* hint;
    const char* text;
    ModeButton button;
    bool hidden;
};

constexpr std::array<ModeButtonSpec, 8> kModeButtons{{
    {"SpeedButtonModeAllOFF", "Mode OFF STOP FOUNTAIN & All DMX=0", "OFF", ModeButton::AllOff,
     false},
    {"SpeedButtonModeStatick", "Mode STATIC & Manual Control", "STA", ModeButton::Static, false},
    {"SpeedButtonModeMacro", "Mode MACRO", "MAC", ModeButton::Macro, false},
    {"SpeedButtonModeStop", "Mode STOP Fountain & Manual Control + RUN sequenser", "STP",
     ModeButton::Stop, true},
    {"SpeedButtonModePause", "Mode PAUSE = RUN sequenser", "PAU", ModeButton::Pause, false},
    {"SpeedButtonReciver", "Mode Dynamic Fountain - NO AUDIO", "RCV", ModeButton::Receiver, true},
    {"SpeedButtonModePlay", "Mode Dynamic Fountain - NO AUDIO", "DIN", ModeButton::Dynamic, false},
    {"SpeedButtonModeDance", "Mode Dance Fountain", "DAN", ModeButton::Dance, false},
}};

struct Placement {
    WindowId id;
    int left;
    int top;
};

constexpr std::array<Placement, 4> kSearchPlacements{{
    {WindowId::Sound, 30, 150},
    {WindowId::Sequencer, 60, 180},
    {WindowId::Output, 90, 210},
    {WindowId::SequenceViewer, 120, 240},
}};

}  // namespace

MainWindow::MainWindow(Engine& engine, DesktopWindows& windows)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      engine_(engine),
      windows_(windows) {
    setObjectName("TFormMaim");
    toolBar_ = addToolBar("tools");
    toolBar_->setObjectName("ToolBarMain");
    toolBar_->setMovable(false);

    connect(addButton("SpeedButtonOpenProject", "Open track and sound", "Opn"),
            &QToolButton::clicked, this, [this] { SpeedButtonOpenProjectClick(engine_); });
    saveButton_ = addButton("SpeedButtonSaveFile", "Save All Project", "Sav");
    connect(saveButton_, &QToolButton::clicked, this, [this] {
        const std::string question = saveProjectQuestion(engine_);
        if (!question.empty() && !engine_.person().confirm(BoxKind::Warning, question)) return;
        SpeedButtonSaveFileClick(engine_);
    });
    connect(addButton("SpeedButtonAbout", "About", "?"), &QToolButton::clicked, this,
            [this] { windows_.present(WindowId::About); });
    addButton("sSpeedButton3D", "Open Window of 3D fountain", "3D", false);
    connect(addButton("SpeedButtonWindowSound", "Wiev Sound form", "Snd"), &QToolButton::clicked,
            this, [this] { windows_.present(WindowId::Sound); });
    connect(addButton("SpeedButtonWindowSequenser", "Wiev Sequenser form", "Seq"),
            &QToolButton::clicked, this, [this] { windows_.present(WindowId::Sequencer); });
    connect(addButton("SpeedButtonWindowDMX_COM", "Wiev Scroll form", "DMX"), &QToolButton::clicked,
            this, [this] { windows_.present(WindowId::Output); });
    connect(addButton("SpeedButtonFormTest", "Wiev DMX visual form ", "Vis"), &QToolButton::clicked,
            this, [this] { windows_.present(WindowId::Monitor); });
    addButton("sbNewBegTo0", "Set mark to start", "|<");
    addButton("SpeedButtonNewStart", "Play line start", "Ln");
    addButton("SpeedButtonDelNewStart", "Delete line start", "xLn");
    addButton("SpeedButtonPrevPlayList", "Play Prev file", "<<");
    addButton("SpeedButtonPrew", "Set seek Back", "<");
    connect(addButton("SpeedButtonbegin", "Play from Start", "|>"), &QToolButton::clicked, this,
            [this] { engine_.edit(SpeedButtonbeginClick); });
    addButton("SpeedButtonForward", "Set seek forward", ">");
    addButton("SpeedButtonFollowPlayList", "Play following file", ">>");
    addModeButtons();
    addButton("SpeedButtonShedule", "Shedule is Turn ON", "Sch");
    connect(addButton("SpeedButtonWindowsSearh", "Search All Windows", "Win"),
            &QToolButton::clicked, this, [this] { searchAllWindows(); });

    statusBar()->setObjectName("StatusBarMain");
    statusBar()->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(statusBar());
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFixedWidth(kPanelWidths[i]);
        if (i + 1 < panels_.size()) panels_[i]->setAlignment(Qt::AlignCenter);
        statusBar()->addWidget(panels_[i]);
    }

    setFixedWidth(toolBar_->sizeHint().width());
    connect(&refreshTimer_, &QTimer::timeout, this, &MainWindow::refresh);
    refreshTimer_.start(kRefreshMs);
    refresh();
}

void MainWindow::refresh() {
    const bool changed = engine_.edit([this](System& system) {
        if (system.main.revision == shownRevision_ && system.mode.pressedButton == pressedButton_) {
            return false;
        }
        shown_ = system.main;
        shownRevision_ = system.main.revision;
        pressedButton_ = system.mode.pressedButton;
        return true;
    });
    if (changed) showState();
}

QToolButton* MainWindow::addButton(const char* name, const char* hint, const char* text,
                                   bool shown) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(name);
    button->setToolTip(QString::fromUtf8(hint));
    button->setText(QString::fromUtf8(text));
    button->setFixedSize(27, 22);
    // A tool bar shows or hides its widgets through their actions.
    toolBar_->addWidget(button)->setVisible(shown);
    return button;
}

void MainWindow::addModeButtons() {
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const ModeButtonSpec& spec : kModeButtons) {
        QToolButton* button = addButton(spec.name, spec.hint, spec.text, !spec.hidden);
        modeButtons_[static_cast<std::size_t>(spec.button)] = button;
        button->setCheckable(true);
        button->setChecked(spec.button == ModeButton::Dance);
        group->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, mode = spec.button] {
            engine_.edit([mode](System& system) { pressModeButton(system, mode); });
            refresh();
            if (mode == ModeButton::Static || mode == ModeButton::Macro) {
                windows_.present(WindowId::Output);
            }
        });
    }
}

void MainWindow::searchAllWindows() {
    for (const Placement& place : kSearchPlacements) {
        windows_.present(place.id);
        if (QWidget* w = windows_.window(place.id)) w->move(place.left, place.top);
    }
}

void MainWindow::paintWith(const ColourScheme& colours) {
    QPalette palette = QApplication::palette();
    if (colours.window) {
        const QColor c(colours.window->r, colours.window->g, colours.window->b);
        palette.setColor(QPalette::Window, c);
        palette.setColor(QPalette::Button, c);
    }
    if (colours.text) {
        const QColor c(colours.text->r, colours.text->g, colours.text->b);
        palette.setColor(QPalette::WindowText, c);
        palette.setColor(QPalette::ButtonText, c);
    }
    setPalette(palette);
}

void MainWindow::showState() {
    const MainWindowState& state = shown_;
    setWindowTitle(QString::fromStdString(state.caption));
    if (state.height > 0) resize(width(), state.height);
    saveButton_->setEnabled(state.saveEnabled);
    // The mode applied last, whoever asked for it (a button, a macro, the schedule, --mode).
    modeButtons_[static_cast<std::size_t>(pressedButton_)]->setChecked(true);
    paintWith(state.colours);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setText(QString::fromStdString(state.statusPanels[i]));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace wl
