#include "app/HeadlessOperator.h"

#include <ostream>
#include <string>

namespace wl {

namespace {

const char* tag(BoxKind kind) {
    switch (kind) {
        case BoxKind::Plain:
            return "message";
        case BoxKind::Information:
            return "information";
        case BoxKind::Warning:
            return "warning";
        case BoxKind::Error:
            return "error";
    }
    return "message";
}

// Message texts carry CR LF line breaks; a journal line reads better with " | ".
std::string oneLine(std::string_view text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n') {
            line += " | ";
        } else {
            line += text[i];
        }
    }
    return line;
}

}  // namespace

void HeadlessOperator::tell(BoxKind kind, std::string_view text) {
    out_ << "wavelumina " << tag(kind) << ": " << oneLine(text) << std::endl;
}

bool HeadlessOperator::confirm(BoxKind kind, std::string_view text) {
    out_ << "wavelumina " << tag(kind) << ": " << oneLine(text) << " -> No (no operator)"
         << std::endl;
    return false;
}

std::optional<std::string> HeadlessOperator::chooseFileToOpen(std::string_view title,
                                                              std::string_view, std::string_view) {
    out_ << "wavelumina: " << title << " -> cancelled (no operator)" << std::endl;
    return std::nullopt;
}

std::optional<std::string> HeadlessOperator::chooseFileToSave(std::string_view title,
                                                              std::string_view filter,
                                                              std::string_view proposed) {
    return chooseFileToOpen(title, filter, proposed);
}

}  // namespace wl
