#pragma once

#include <string>

namespace wl {

// A number as the operator reads it in times and macro numbers: two digits with a leading zero
// below 10 ("07", "30", "120").
//
// Thread: any. Allocates only for numbers of 16 digits or more.
inline std::string twoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace wl
