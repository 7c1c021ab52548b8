#pragma once

#include <array>
#include <cstdint>

namespace wl {

// The program's windows, in the order they are created. Each window's creation handler runs
// when it is created, so this is also the order of initialisation.
enum class WindowId : std::uint8_t {
    Main,
    Sound,
    Sequencer,
    About,
    Output,
    Input,
    Monitor,
    SequenceViewer,
};

struct WindowSpec {
    WindowId id;
    const char* className;  // also the window's object name
    const char* caption;
};

inline constexpr std::array<WindowSpec, 8> kWindowOrder{{
    {WindowId::Main, "TFormMaim", "Файл: "},
    {WindowId::Sound, "TFormSound", "Audio and Track"},
    {WindowId::Sequencer, "TFormSequenser", "Sequenser"},
    {WindowId::About, "TFormAbout", "About Wavelumina"},
    {WindowId::Output, "TFormUSB_COM", "Form USB & DMX"},
    {WindowId::Input, "TFormInput", "INPUT DATA"},
    {WindowId::Monitor, "TFormVisual", "Channels DMX512 "},
    {WindowId::SequenceViewer, "TFormSeqWiev", "Wiev Sequeser "},
}};

inline constexpr const char* kApplicationTitle = "Programm for dancing fountain";

}  // namespace wl
