#include "sequencer/ControlWords.h"

#include <cstdio>

namespace wl {

namespace {

constexpr int kMillisPerSecond = 1000;

// The seconds of a scene time as the shortest decimal: 500 -> "0.5", 1000 -> "1", 1250 -> "1.25".
std::string secondsText(int millis, char decimalSeparator) {
    std::string text = std::to_string(millis / kMillisPerSecond);
    int fraction = millis % kMillisPerSecond;
    if (fraction == 0) return text;
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    return text + decimalSeparator + paddedNumber(fraction, digits);
}

}  // namespace

std::string paddedNumber(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

std::string RePaintTemp(std::uint16_t word, char decimalSeparator) {
    switch (word) {
        case kWordStopOff:
            return "Stop&Off";
        case kWordStop:
            return "Stop";
        case kWordRetToCycle:
            return "Ret to cucle ";
        case kWordRetToBegin:
            return "Ret to begin ";
        default:
            break;
    }
    if (!isTimeWord(word) || word > kWordLastShownTime) return "No Command";
    return "T=" + secondsText(word, decimalSeparator) + " sec";
}

SceneRange PatternAround(const SequencerStore& store, int seq, int scene) {
    const auto& words = store.SceneCtrl[seq];
    SceneRange range;
    if (scene > 1) {
        for (int k = scene - 1; k >= 0; --k) {
            if (isBoundaryWord(words[k])) {
                range.first = k + 1;
                break;
            }
        }
    }
    if (scene < kPlayableScenes - 1) {
        for (int k = scene + 1; k <= kLastPatternScene; ++k) {
            if (isBoundaryWord(words[k])) {
                range.last = k - 1;
                break;
            }
        }
    }
    return range;
}

std::string PatternCaption(const SequencerStore& store, int seq) {
    const int first = store.PatternFirst;
    const int last = store.PatternLast;
    return "Seq=" + paddedNumber(seq + 1, 3) + "  Beg=" + paddedNumber(first + 1, 2) +
           ">Fin=" + paddedNumber(last + 1, 2) + " Lng=" + paddedNumber(last - first + 1, 2);
}

}  // namespace wl
