#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "platform/Operator.h"

namespace wl {

// The operator as the engine's code reaches it. On the main thread outside the engine (a window's
// handler before it takes the engine lock) every call goes straight to the operator. Inside the
// engine (a task or an edit) or on another thread (the file worker), a message is posted to the
// main thread and the caller goes on at once; a question or a file dialog there would hold the
// show until somebody answers, so it is refused: the answer is No (or cancelled) and the refusal
// is counted and written to standard error. Questions belong to the window handlers, before they
// edit.
//
// Thread: any; the thread that builds it is the main thread. Posting allocates the message text.
class EngineOperator final : public Operator {
  public:
    using Post = std::function<void(std::function<void()>)>;

    EngineOperator(Operator& person, Post post) : person_(person), post_(std::move(post)) {}

    void tell(BoxKind kind, std::string_view text) override;
    bool confirm(BoxKind kind, std::string_view text) override;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter,
                                                std::string_view proposed) override;

    // Questions and dialogs refused because they were asked inside the engine.
    std::uint64_t refusedQuestions() const { return refused_.load(); }

  private:
    // Whether a call here must not reach the operator directly.
    bool mustPost() const;
    bool refuse(std::string_view what);

    Operator& person_;
    Post post_;
    const std::thread::id mainThread_ = std::this_thread::get_id();
    std::atomic<std::uint64_t> refused_{0};
};

}  // namespace wl
