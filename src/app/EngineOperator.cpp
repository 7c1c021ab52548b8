#include "app/EngineOperator.h"

#include <iostream>

#include "platform/EngineScope.h"

namespace wl {

bool EngineOperator::mustPost() const {
    return EngineScope::active() || std::this_thread::get_id() != mainThread_;
}

void EngineOperator::tell(BoxKind kind, std::string_view text) {
    if (!mustPost()) {
        person_.tell(kind, text);
        return;
    }
    post_([this, kind, message = std::string(text)] { person_.tell(kind, message); });
}

bool EngineOperator::refuse(std::string_view what) {
    if (!mustPost()) return false;
    ++refused_;
    std::cerr << "wavelumina: a question asked inside the engine or off the main thread is "
                 "answered No: "
              << what << std::endl;
    return true;
}

bool EngineOperator::confirm(BoxKind kind, std::string_view text) {
    if (refuse(text)) return false;
    return person_.confirm(kind, text);
}

std::optional<std::string> EngineOperator::chooseFileToOpen(std::string_view title,
                                                            std::string_view filter,
                                                            std::string_view proposed) {
    if (refuse(title)) return std::nullopt;
    return person_.chooseFileToOpen(title, filter, proposed);
}

std::optional<std::string> EngineOperator::chooseFileToSave(std::string_view title,
                                                            std::string_view filter,
                                                            std::string_view proposed) {
    if (refuse(title)) return std::nullopt;
    return person_.chooseFileToSave(title, filter, proposed);
}

}  // namespace wl
