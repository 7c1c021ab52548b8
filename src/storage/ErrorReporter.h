#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wl {

class EventLog;
class Operator;

// Reports internal failures to the operator and the event log.
//
// Thread: the engine. Allocates (message texts).
class ErrorReporter {
  public:
    ErrorReporter(EventLog& log, Operator& op) : log_(log), operator_(op) {}

    // Tells the operator that an operation was not executed, then logs it.
    void ReportError(std::string_view who, std::string_view where, std::string_view info);
    // Logs the failure and asks whether to go on regardless. Returns true when the operator
    // chose No: the caller skips the operation. Yes returns false: the caller goes on.
    bool MessageError(std::string_view who, std::string_view where, std::string_view info);

    // Set to 255 by every report; a caller may clear it before a check and test it afterwards.
    std::int32_t ErrorMark = 0;

    static std::string reportText(std::string_view who, std::string_view where,
                                  std::string_view info);

  private:
    EventLog& log_;
    Operator& operator_;
};

}  // namespace wl
