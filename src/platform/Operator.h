#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wl {

// How a message box looks: its icon and tone.
enum class BoxKind { Plain, Information, Warning, Error };

// A question a command needs answered before it changes anything. The command's window asks it
// (before it takes the engine lock) and hands the answer to the command; a command never asks
// from inside the engine, where waiting for a person would hold up the show.
struct Question {
    BoxKind kind;
    std::string_view text;
};

// Everything the system asks or tells the person at the fountain. The desktop shows message
// boxes and file dialogs; headless runs log the text and take the safe answer; tests script it.
//
// Thread: main thread. Implementations may allocate and may block until the operator answers.
class Operator {
  public:
    virtual ~Operator() = default;

    // A message with an OK button.
    virtual void tell(BoxKind kind, std::string_view text) = 0;
    // A Yes/No question; true for Yes. Without an operator the answer is No.
    virtual bool confirm(BoxKind kind, std::string_view text) = 0;
    bool confirm(const Question& question) { return confirm(question.kind, question.text); }
    // File dialogs; empty when cancelled.
    virtual std::optional<std::string> chooseFileToOpen(std::string_view title,
                                                        std::string_view filter,
                                                        std::string_view proposed) = 0;
    virtual std::optional<std::string> chooseFileToSave(std::string_view title,
                                                        std::string_view filter,
                                                        std::string_view proposed) = 0;
};

}  // namespace wl
