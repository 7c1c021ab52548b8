#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <cstdint>

#include "app/MainWindowState.h"
#include "app/OperatingMode.h"

class QLabel;
class QToolBar;
class QToolButton;

namespace wl {

struct ColourScheme;
class DesktopWindows;
class Engine;

// The slim main window: a tool bar that opens every other window, picks the fountain mode and
// drives the player, and a status bar of eight panels. It shows what the logic produces, copied
// under a short edit whenever the logic says it changed (polled every `kRefreshMs`).
//
// Thread: GUI thread.
class MainWindow : public QMainWindow {
  public:
    static constexpr int kRefreshMs = 50;

    MainWindow(Engine& engine, DesktopWindows& windows);

    // Copies the logic's caption, height, save button, status panels and mode when they changed,
    // and shows them.
    void refresh();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QToolButton* addButton(const char* name, const char* hint, const char* text, bool shown = true);
    void addModeButtons();
    void searchAllWindows();
    void paintWith(const ColourScheme& colours);
    void showState();

    Engine& engine_;
    QTimer refreshTimer_;
    MainWindowState shown_;
    ModeButton pressedButton_ = ModeButton::Dance;
    std::uint64_t shownRevision_ = ~std::uint64_t{0};
    DesktopWindows& windows_;
    QToolBar* toolBar_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    std::array<QLabel*, 8> panels_{};
    std::array<QToolButton*, 8> modeButtons_{};  // by ModeButton
};

}  // namespace wl
