#pragma once

#include <iosfwd>

#include "platform/Operator.h"

namespace wl {

// The operator of a show computer with no screen: every message goes to the given stream (the
// service's journal), every question is answered No, every file dialog is cancelled.
//
// Thread: main thread. Allocates only inside the stream.
class HeadlessOperator final : public Operator {
  public:
    explicit HeadlessOperator(std::ostream& out) : out_(out) {}

    void tell(BoxKind kind, std::string_view text) override;
    bool confirm(BoxKind kind, std::string_view text) override;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;

  private:
    std::ostream& out_;
};

}  // namespace wl
