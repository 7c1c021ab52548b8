#include "storage/ErrorReporter.h"

#include "platform/Operator.h"
#include "storage/EventLog.h"

namespace wl {

std::string ErrorReporter::reportText(std::string_view who, std::string_view where,
                                      std::string_view info) {
    std::string text = "Error! procedure or function not executed!\r\n";
    text.append(who).append("\r\n").append(where).append("\r\n").append(info);
    return text;
}

void ErrorReporter::ReportError(std::string_view who, std::string_view where,
                                std::string_view info) {
    ErrorMark = 255;
    operator_.tell(BoxKind::Plain, reportText(who, where, info));
    log_.WriteLog(who, where, info);
}

bool ErrorReporter::MessageError(std::string_view who, std::string_view where,
                                 std::string_view info) {
    ErrorMark = 255;
    log_.WriteLog("MessageError in " + std::string(who), where, info);
    const std::string text =
        reportText(who, where, info) + "\r\nNo-Пропустить, Yes-Выполнить с ошибкой";
    return !operator_.confirm(BoxKind::Error, text);
}

}  // namespace wl
