#include "show/ScheduleTables.h"

#include <algorithm>
#include <string>

namespace wl {

void ResetSchedule(ScheduleTables& schedule) {
    for (int entry = 0; entry < kShedEntries; ++entry) {
        const int line = entry + 1;
        const std::string text =
            "Name Shedule " + std::string(line < 10 ? "0" : "") + std::to_string(line);
        Name& name = schedule.ShedNames[entry];
        name.fill(' ');
        std::copy(text.begin(), text.end(), name.begin());
    }
    for (ShedPath& path : schedule.ShedFiles) path.fill(0);
    for (PerShedEntry* table :
         {&schedule.ShedSpare1, &schedule.ShedWeekDay, &schedule.ShedDay, &schedule.ShedMonth,
          &schedule.ShedMinute, &schedule.ShedSecond, &schedule.ShedMode, &schedule.ShedSpare2}) {
        table->fill(0);
    }
    schedule.ShedHour.fill(kResetShedHour);
}

}  // namespace wl
