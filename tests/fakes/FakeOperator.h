#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Operator.h"

namespace wl::test {

// An operator whose answers the test scripts in advance; it records every text it was shown.
class FakeOperator final : public Operator {
  public:
    struct Shown {
        BoxKind kind;
        std::string text;
        bool question;
    };

    // Answers to the next questions, in order; when none is left the answer is No.
    std::deque<bool> answers;
    // Paths the next file dialogs return, in order; when none is left the dialog is cancelled.
    std::deque<std::string> files;
    std::vector<Shown> shown;
    std::vector<std::string> dialogTitles;

    void tell(BoxKind kind, std::string_view text) override;
    bool confirm(BoxKind kind, std::string_view text) override;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;
};

}  // namespace wl::test
