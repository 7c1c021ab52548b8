#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "app/Startup.h"

namespace wl {

class Engine;

// Builds and owns the program's windows on the desktop, in the order start-up asks for them.
//
// Thread: GUI thread.
class DesktopWindows final : public WindowFactory {
  public:
    explicit DesktopWindows(Engine& engine) : engine_(engine) {}
    ~DesktopWindows() override;

    void create(const WindowSpec& spec) override;

    QWidget* window(WindowId id) const { return windows_[static_cast<std::size_t>(id)].get(); }
    // Shows a window and brings it to the front.
    void present(WindowId id) const;

  private:
    Engine& engine_;
    std::array<std::unique_ptr<QWidget>, kWindowOrder.size()> windows_;
};

}  // namespace wl
