#include "storage/files/SettingsFile.h"

#include <QSaveFile>
#include <QString>

#include <cstdlib>
#include <fstream>
#include <iterator>
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

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)), text_(readWholeFile(path_)) {}

std::string IniFile::value(std::string_view section, std::string_view key,
                           std::string_view fallback) const {
    const QString wantedSection = QString::fromUtf8(section.data(), qsizetype(section.size()));
    const QString wantedKey = QString::fromUtf8(key.data(), qsizetype(key.size()));
    bool inSection = false;
    for (const QString& raw : QString::fromStdString(text_).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inSection = line.mid(1, line.size() - 2)
                            .trimmed()
                            .compare(wantedSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inSection && eq >= 0 &&
            line.left(eq).trimmed().compare(wantedKey, Qt::CaseInsensitive) == 0) {
            return line.mid(eq + 1).trimmed().toStdString();
        }
    }
    return std::string(fallback);
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    setIniValue(text_, section, key, value);
}

std::string IniFile::save() const {
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
    const std::string counted = ini.value("AreaCount", "CountOpen", "1");
    session.CountOpen = std::atoi(counted.c_str()) + 1;
    ini.set("AreaCount", "CountOpen", std::to_string(session.CountOpen));
    if (const std::string failure = ini.save(); !failure.empty()) {
        session.errors.ReportError(
            "ReadSave", "LoadIniSettings",
            "cannot write " + settingsFilePath(session.ProgramDir) + ": " + failure);
    }
    const std::string& dir = session.ProgramDir;
    session.LastFileShow = ini.value("AreaFile", "LastFileShow", programFile(dir, ".shw"));
    session.LastFileTrack = ini.value("AreaFile", "LastFileTrack", programFile(dir, ".trk"));
    session.LastFileSeq = ini.value("AreaFile", "LastFileSeq", programFile(dir, ".seq"));
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
    if (const std::string failure = ini.save(); !failure.empty()) {
        session.errors.ReportError(
            "ReadSave", "SaveIniSettings",
            "cannot write " + settingsFilePath(session.ProgramDir) + ": " + failure);
    }
}

}  // namespace wl
