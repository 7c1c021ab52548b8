#pragma once

#include <QWidget>

#include "app/Windows.h"

namespace wl {

// A window of the program that has its name and caption but no pages yet.
//
// Thread: GUI thread.
class ToolWindow : public QWidget {
  public:
    explicit ToolWindow(const WindowSpec& spec, QWidget* parent = nullptr);
};

}  // namespace wl
