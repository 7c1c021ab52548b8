#include "app/ui/DesktopWindows.h"

#include "app/ui/MainWindow.h"
#include "app/ui/ToolWindow.h"

namespace wl {

DesktopWindows::~DesktopWindows() {
    // The other windows go before the main window, which the program destroys last.
    for (std::size_t i = windows_.size(); i-- > 0;) windows_[i].reset();
}

void DesktopWindows::create(const WindowSpec& spec) {
    auto& slot = windows_[static_cast<std::size_t>(spec.id)];
    if (spec.id == WindowId::Main) {
        slot = std::make_unique<MainWindow>(engine_, *this);
    } else {
        slot = std::make_unique<ToolWindow>(spec);
    }
}

void DesktopWindows::present(WindowId id) const {
    QWidget* w = window(id);
    if (w == nullptr) return;
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace wl
