#include "storage/files/SettingsFile.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <utility>

#include "storage/ErrorReporter.h"
#include "storage/IniText.h"
#include "storage/files/ShowFileSession.h"

namespace wl {

namespace {

constexpr const char* kDefaultSkin = "Moonlight";
constexpr const char* kNoVersion = "No_File_Version";

// The identity texts written at every save and never read back.
constexpr std::pair<const char*, const char*> kIdentity[] = {
    {"Programm", "Wavelumina"},
    {"TradeMark", "Wavelumina"},
    {"City", "-"},
    {"Autor", "Wavelumina developers"},
    {"SiteSoft", "-"},
    {"SiteTM", "-"},
    {"Phone", "-"},
    {"CompanyName", "Wavelumina developers"},
    {"FileDescription", "Light and music fountain show controller"},
    {"InternalName", "wavelumina"},
    {"LegalCopyright", "Wavelumina developers"},
    {"LegalTrademarks", "-"},
    {"OriginalFilename", "wavelumina"},
    {"ProductName", "Wavelumina"},
    {"Comments", "-"},
    {"Type", "Show controller"},
};

// The whole file, or empty with `failure` set when it exists but cannot be read. A missing file
// is no failure: the settings file is made by its first save.
std::string readWholeFile(const std::string& path, std::string& failure) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) {
        failure = file.errorString().toStdString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        failure = file.errorString().toStdString();
        return {};
    }
    return bytes.toStdString();
}

// Every write of the settings file, reported when it fails.
void saveReported(ShowFileSession& session, const IniFile& ini, const char* where) {
    if (const std::string failure = ini.save(); !failure.empty()) {
        session.errors.ReportError(
            "ReadSave", where,
            "cannot write " + settingsFilePath(session.ProgramDir) + ": " + failure);
    }
}

}  // namespace

IniFile::IniFile(std::string path)
    : path_(std::move(path)), text_(readWholeFile(path_, readFailure_)) {}

std::string IniFile::value(std::string_view section, std::string_view key,
                           std::string_view fallback) const {
    return std::string(getIniValue(text_, section, key).value_or(fallback));
}

std::int32_t IniFile::number(std::string_view section, std::string_view key, std::int32_t fallback,
                             std::int32_t min, std::int32_t max) const {
    const std::optional<std::string_view> text = getIniValue(text_, section, key);
    if (!text || text->empty()) return fallback;
    const char* end = text->data() + text->size();
    std::int64_t value = 0;
    const auto [rest, error] = std::from_chars(text->data(), end, value);
    if (rest != end) return fallback;
    if (error == std::errc::result_out_of_range) return text->front() == '-' ? min : max;
    if (error != std::errc()) return fallback;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, min, max));
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    setIniValue(text_, section, key, value);
}

std::string IniFile::save() const {
    if (!readFailure_.empty()) {
        return "the file could not be read (" + readFailure_ +
               "), so it was left as it was rather than replaced by these keys alone";
    }
    QSaveFile file(QString::fromStdString(path_));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text_.data(), static_cast<qint64>(text_.size())) !=
            static_cast<qint64>(text_.size()) ||
        !file.commit()) {
        return file.errorString().toStdString();
    }
    return {};
}

std::string settingsFilePath(const std::string& programDir) {
    return programFile(programDir, ".ini");
}

std::string settingsDateText(const LocalTime& time) {
    return std::to_string(time.day) + "." + std::to_string(time.month) + "." +
           std::to_string(time.year) + " г.";
}

std::string settingsTimeText(const LocalTime& time) {
    return std::to_string(time.hour) + "ч. " + std::to_string(time.minute) + " мин. " +
           std::to_string(time.second) + " сек";
}

void LoadIniSettings(ShowFileSession& session) {
    IniFile ini(settingsFilePath(session.ProgramDir));
    // Counted up to the largest count and no further.
    const std::int32_t counted =
        ini.number("AreaCount", "CountOpen", 1, 0, std::numeric_limits<std::int32_t>::max() - 1);
    session.CountOpen = counted + 1;
    ini.set("AreaCount", "CountOpen", std::to_string(session.CountOpen));
    saveReported(session, ini, "LoadIniSettings");
    const std::string& dir = session.ProgramDir;
    const auto path = [&](const char* key, const char* extension) {
        return inProgramDir(dir, ini.value("AreaFile", key, programFile(dir, extension)));
    };
    session.LastFileShow = path("LastFileShow", ".shw");
    session.LastFileTrack = path("LastFileTrack", ".trk");
    session.LastFileSeq = path("LastFileSeq", ".seq");
    session.LastFileSkin = ini.value("AreaFile", "LastFileSkin", kDefaultSkin);
    session.FileVersion = ini.value("About", "FileVersion", kNoVersion);
}

void SaveIniSettings(ShowFileSession& session, const ContractData* contract) {
    const LocalTime now = session.clock.now();
    const std::string date = settingsDateText(now);
    IniFile ini(settingsFilePath(session.ProgramDir));
    ini.set("About", "Data", date);
    for (const auto& [key, value] : kIdentity) ini.set("About", key, value);
    if (contract != nullptr) {
        ini.set("Custom", "Data", contract->Data);
        ini.set("Custom", "Customer", contract->Customer);
        ini.set("Custom", "Object", contract->Object);
    }
    ini.set("AreaTime", "Closed", " " + date + "  в " + settingsTimeText(now));
    ini.set("AreaFile", "LastFileShow", session.LastFileShow);
    ini.set("AreaFile", "LastFileTrack", session.LastFileTrack);
    ini.set("AreaFile", "LastFileSkin", session.LastFileSkin);
    ini.set("AreaFile", "LastFileSeq", session.LastFileSeq);
    saveReported(session, ini, "SaveIniSettings");
}

}  // namespace wl
