#include "fakes/FakeOperator.h"

namespace wl::test {

void FakeOperator::tell(BoxKind kind, std::string_view text) {
    shown.push_back({kind, std::string(text), false});
}

bool FakeOperator::confirm(BoxKind kind, std::string_view text) {
    shown.push_back({kind, std::string(text), true});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeOperator::chooseFileToOpen(std::string_view title, std::string_view,
                                                          std::string_view) {
    dialogTitles.emplace_back(title);
    if (files.empty()) return std::nullopt;
    std::string path = files.front();
    files.pop_front();
    return path;
}

std::optional<std::string> FakeOperator::chooseFileToSave(std::string_view title,
                                                          std::string_view filter,
                                                          std::string_view proposed) {
    return chooseFileToOpen(title, filter, proposed);
}

}  // namespace wl::test
