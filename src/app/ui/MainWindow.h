#pragma once

#include <QMainWindow>
#include <array>

class QLabel;
class QToolBar;
class QToolButton;

namespace wl {

struct ColourScheme;
class DesktopWindows;
class System;

// The slim main window: a tool bar that opens every other window, picks the fountain mode and
// drives the player, and a status bar of eight panels. It shows what the logic produces.
//
// Thread: GUI thread.
class MainWindow : public QMainWindow {
  public:
    MainWindow(System& system, DesktopWindows& windows);
    ~MainWindow() override;

    // Shows the logic's caption, height, save button and status panels.
    void showState();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QToolButton* addButton(const char* name, const char* hint, const char* text, bool shown = true);
    void addModeButtons();
    void searchAllWindows();
    void paintWith(const ColourScheme& colours);

    System& system_;
    DesktopWindows& windows_;
    QToolBar* toolBar_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    std::array<QLabel*, 8> panels_{};
    std::array<QToolButton*, 8> modeButtons_{};  // by ModeButton
};

}  // namespace wl
