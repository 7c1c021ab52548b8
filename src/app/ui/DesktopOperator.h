#pragma once

#include "platform/Operator.h"

class QWidget;

namespace wl {

// Message boxes and file dialogs of the desktop.
//
// Thread: GUI thread. Blocks in a modal dialog until the operator answers.
class DesktopOperator final : public Operator {
  public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void tell(BoxKind kind, std::string_view text) override;
    bool confirm(BoxKind kind, std::string_view text) override;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace wl
