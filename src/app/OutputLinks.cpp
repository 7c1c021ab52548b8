#include "app/OutputLinks.h"

#include "app/System.h"
#include "storage/files/SettingsFile.h"

namespace wl {

namespace {

constexpr const char* kSection = "SystemInfo";
constexpr const char* kKey = "Mapping";

}  // namespace

bool mappingOptionFrom(std::string_view stored) {
    return !(stored == "0" || stored == "false" || stored == "False" || stored == "FALSE");
}

void OpenOutputLinks(System& system) {
    system.usbLink.InitUsbDevise();
    const IniFile settings(settingsFilePath(system.ProgramDir));
    system.viewerLink.CheckBoxMapping = mappingOptionFrom(settings.value(kSection, kKey, "1"));
    if (system.viewerLink.CheckBoxMapping) system.viewerLink.FileMappingToON(system.op, system.log);
}

void CloseOutputLinks(System& system) {
    IniFile settings(settingsFilePath(system.ProgramDir));
    settings.set(kSection, kKey, system.viewerLink.CheckBoxMapping ? "1" : "0");
    if (const std::string failure = settings.save(); !failure.empty()) {
        system.errors.ReportError(
            "FormUSB_COM", "FormDestroy",
            "Mapping not saved in " + settingsFilePath(system.ProgramDir) + ": " + failure);
    }
    system.viewerLink.FileMappingToOFF();
    system.usbLink.CloseUsbDevise();
}

}  // namespace wl
