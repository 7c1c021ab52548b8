#include "app/ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

#include "app/OperatingMode.h"
#include "app/System.h"
#include "app/ui/DesktopWindows.h"
#include "app/ui/MainWindow.h"
#include "fakes/TestSystem.h"

namespace wl {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        te.engine->edit([this](System& s) { createWindows(s, windows); });
    }
    ~MainWindowTest() override {
        te.engine->edit([](System& s) { destroyWindows(s); });
    }

    MainWindow* main() const { return static_cast<MainWindow*>(windows.window(WindowId::Main)); }
    QToolButton* button(const char* name) const { return main()->findChild<QToolButton*>(name); }
    // Show time passes, and the window takes its next look at the logic.
    void advance(int ms) {
        te.engine->advance(ms);
        main()->refresh();
    }

    test::TestEngine te;
    System& system = te.system();
    DesktopWindows windows{*te.engine};
};

TEST_F(MainWindowTest, EveryWindowExistsWithItsNameAndCaption) {
    for (const WindowSpec& spec : kWindowOrder) {
        QWidget* w = windows.window(spec.id);
        ASSERT_NE(w, nullptr) << spec.className;
        EXPECT_EQ(w->objectName(), spec.className);
        if (spec.id != WindowId::Main) {
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8(spec.caption));
        }
    }
    EXPECT_EQ(main()->windowTitle(), QString::fromStdString("File track: " + system.LastFileTrack));
}

TEST_F(MainWindowTest, ToolBarHasEveryButtonWithItsHint) {
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButtonOpenProject", "Open track and sound"},
        {"SpeedButtonSaveFile", "Save All Project"},
        {"SpeedButtonAbout", "About"},
        {"sSpeedButton3D", "Open Window of 3D fountain"},
        {"SpeedButtonWindowSound", "Wiev Sound form"},
        {"SpeedButtonWindowSequenser", "Wiev Sequenser form"},
        {"SpeedButtonWindowDMX_COM", "Wiev Scroll form"},
        {"SpeedButtonFormTest", "Wiev DMX visual form "},
        {"sbNewBegTo0", "Set mark to start"},
        {"SpeedButtonNewStart", "Play line start"},
        {"SpeedButtonDelNewStart", "Delete line start"},
        {"SpeedButtonPrevPlayList", "Play Prev file"},
        {"SpeedButtonPrew", "Set seek Back"},
        {"SpeedButtonbegin", "Play from Start"},
        {"SpeedButtonForward", "Set seek forward"},
        {"SpeedButtonFollowPlayList", "Play following file"},
        {"SpeedButtonModeAllOFF", "Mode OFF STOP FOUNTAIN & All DMX=0"},
        {"SpeedButtonModeStatick", "Mode STATIC & Manual Control"},
        {"SpeedButtonModeMacro", "Mode MACRO"},
        {"SpeedButtonModeStop", "Mode STOP Fountain & Manual Control + RUN sequenser"},
        {"SpeedButtonModePause", "Mode PAUSE = RUN sequenser"},
        {"SpeedButtonReciver", "Mode Dynamic Fountain - NO AUDIO"},
        {"SpeedButtonModePlay", "Mode Dynamic Fountain - NO AUDIO"},
        {"SpeedButtonModeDance", "Mode Dance Fountain"},
        {"SpeedButtonShedule", "Shedule is Turn ON"},
        {"SpeedButtonWindowsSearh", "Search All Windows"},
    };
    main()->show();
    for (const auto& [name, hint] : buttons) {
        QToolButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint)) << name;
        EXPECT_EQ(b->size(), QSize(27, 22)) << name;
    }
    for (const char* hidden : {"sSpeedButton3D", "SpeedButtonModeStop", "SpeedButtonReciver"}) {
        EXPECT_FALSE(button(hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(button("SpeedButtonModeDance")->isVisible());
    EXPECT_TRUE(button("SpeedButtonModeDance")->isChecked());
    EXPECT_TRUE(button("SpeedButtonSaveFile")->isEnabled());  // enabled at the end of start-up
}

TEST_F(MainWindowTest, StatusBarHasEightPanelsAndShowsTheMode) {
    auto* bar = main()->findChild<QStatusBar*>("StatusBarMain");
    ASSERT_NE(bar, nullptr);
    const int widths[] = {85, 85, 85, 100, 110, 110, 150, 50};
    for (int i = 0; i < 8; ++i) {
        auto* panel = bar->findChild<QLabel*>(QString("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr) << i;
        EXPECT_EQ(panel->width(), widths[i]) << i;
    }
    button("SpeedButtonModePause")->click();
    EXPECT_EQ(system.FountainMode, 2);
    EXPECT_TRUE(system.ModeChanged);
    EXPECT_TRUE(button("SpeedButtonModePause")->isChecked());
    EXPECT_FALSE(button("SpeedButtonModeDance")->isChecked());
    advance(150);
    EXPECT_EQ(bar->findChild<QLabel*>("StatusPanel4")->text(), "PAUSE MODE");
}

TEST_F(MainWindowTest, ModeButtonFollowsAModeSetElsewhere) {
    requestMode(system, 0);  // as a macro or the schedule would
    advance(150);
    EXPECT_TRUE(button("SpeedButtonModeAllOFF")->isChecked());
    EXPECT_FALSE(button("SpeedButtonModeDance")->isChecked());
}

TEST_F(MainWindowTest, WindowButtonsShowTheirWindows) {
    const std::pair<const char*, WindowId> cases[] = {
        {"SpeedButtonWindowSound", WindowId::Sound},
        {"SpeedButtonWindowSequenser", WindowId::Sequencer},
        {"SpeedButtonWindowDMX_COM", WindowId::Output},
        {"SpeedButtonFormTest", WindowId::Monitor},
        {"SpeedButtonAbout", WindowId::About},
    };
    for (const auto& [name, id] : cases) {
        EXPECT_FALSE(windows.window(id)->isVisible()) << name;
        button(name)->click();
        EXPECT_TRUE(windows.window(id)->isVisible()) << name;
    }
}

TEST_F(MainWindowTest, SearchAllWindowsPlacesThemOnScreen) {
    button("SpeedButtonWindowsSearh")->click();
    const std::tuple<WindowId, int, int> places[] = {{WindowId::Sound, 30, 150},
                                                     {WindowId::Sequencer, 60, 180},
                                                     {WindowId::Output, 90, 210},
                                                     {WindowId::SequenceViewer, 120, 240}};
    for (const auto& [id, left, top] : places) {
        QWidget* w = windows.window(id);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->pos(), QPoint(left, top));
    }
}

TEST_F(MainWindowTest, StaticAndMacroButtonsShowTheOutputWindow) {
    button("SpeedButtonModeStatick")->click();
    EXPECT_EQ(system.FountainMode, 3);
    EXPECT_TRUE(windows.window(WindowId::Output)->isVisible());
}

}  // namespace
}  // namespace wl
