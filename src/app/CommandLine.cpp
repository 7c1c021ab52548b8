#include "app/CommandLine.h"

#include <charconv>

namespace wl {

namespace {

bool parseSeconds(const std::string& text, int& seconds) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, seconds);
    return error == std::errc() && rest == end && seconds >= 0;
}

}  // namespace

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineResult result;
    CommandLine& o = result.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                result.error = name + " needs a value";
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (name == "--headless") {
            o.headless = true;
        } else if (name == "--virtual-clock") {
            o.virtualClock = true;
        } else if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--home") {
            o.home = value();
            if (o.home && o.home->empty())
                result.error = "--home needs a folder, not an empty name";
        } else if (name == "--track") {
            o.track = value();
        } else if (name == "--mode") {
            o.mode = value();
        } else if (name == "--dmx-capture") {
            o.dmxCapture = value();
        } else if (name == "--audio") {
            const auto audio = value();
            if (audio && *audio != "default" && *audio != "null") {
                result.error = "--audio takes default or null, not " + *audio;
            } else if (audio) {
                o.audio = *audio;
            }
        } else if (name == "--seconds") {
            const auto text = value();
            int seconds = 0;
            if (text && parseSeconds(*text, seconds)) {
                o.seconds = seconds;
            } else if (text) {
                result.error = "--seconds takes a whole number of seconds, not " + *text;
            }
        } else {
            result.error = "unknown option " + name;
        }
        if (!result.error.empty()) return result;
    }
    if (o.virtualClock && !o.seconds) result.error = "--virtual-clock needs --seconds N";
    return result;
}

std::string commandLineHelp() {
    return "Usage: wavelumina [options]\n"
           "  --home DIR           program folder (settings, event log, Projects/)\n"
           "  --headless           run without windows; one status line a second\n"
           "  --track FILE         open this track file at start instead of the last one\n"
           "  --mode NAME          start in this mode (OFF, STOP, PAUSE, STATIC, DINAM, DANCE,\n"
           "                       FILE, MACRO 01 .. MACRO 32)\n"
           "  --seconds N          run N seconds of show time, then close (0: right after start)\n"
           "  --virtual-clock      with --seconds: run the show time as fast as possible\n"
           "  --audio default|null sound card, or no sound output; not yet used: the program\n"
           "                       plays no music until its music show engine comes\n"
           "  --dmx-capture FILE   record every DMX packet sent to the USB interface\n"
           "  --help               this text\n"
           "Exit status: 2 for options it cannot follow (a --home that is a file, a --track that\n"
           "cannot be opened), 3 when another copy runs, 4 when it cannot make sure it is the\n"
           "only copy.\n";
}

}  // namespace wl
