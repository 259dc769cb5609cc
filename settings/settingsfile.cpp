#include "settings/settingsfile.h"

#include "common/filesystem.h"
#include "common/numbers.h"
#include "common/textfile.h"

namespace zelvio {

namespace {

// "ver 1.5" is version 5; a header without a last digit is a conversion error.
int configVersion(const std::string& header) {
    return StrToInt(header.empty() ? header : header.substr(header.size() - 1));
}

template <class... Kinds>
struct Overloaded : Kinds... {
    using Kinds::operator()...;
};
template <class... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;

void readLine(SettingsFile& file, const SettingField& field, const std::string& line) {
    std::visit(Overloaded{
                   [&](std::string SettingsFile::*text) { file.*text = line; },
                   [&](std::optional<int> SettingsFile::*number) { file.*number = StrToInt(line); },
                   [&](std::string Settings::*text) { file.settings.*text = line; },
                   [&](CdMode Settings::*mode) {
                       file.settings.*mode = StrToInt(line) == 1 ? CdMode::AudioCd : CdMode::Waves;
                   },
               },
               field);
}

std::string lineOf(const SettingsFile& file, const SettingField& field) {
    return std::visit(Overloaded{
                          [&](std::string SettingsFile::*text) { return file.*text; },
                          [&](std::optional<int> SettingsFile::*number) { return IntToStr((file.*number).value_or(0)); },
                          [&](std::string Settings::*text) { return file.settings.*text; },
                          [&](CdMode Settings::*mode) {
                              return std::string(file.settings.*mode == CdMode::AudioCd ? "1" : "0");
                          },
                      },
                      field);
}

}  // namespace

void readSettingsFile(FileSystem& fs, const std::string& path, SettingsFile& into) {
    auto reader = fs.openText(path);
    const std::string header = readLineOrEmpty(*reader);
    for (const SettingLine& line : settingLines()) {
        // The version is asked for by the first line it gates: the header may not hold one.
        if (line.since > 1 && configVersion(header) < line.since) continue;
        readLine(into, line.field, readLineOrEmpty(*reader));
    }
}

void writeSettingsFile(FileSystem& fs, const std::string& path, const SettingsFile& file) {
    std::vector<std::string> lines{"ver 1." + std::to_string(settingsVersion)};
    for (const SettingLine& line : settingLines()) lines.push_back(lineOf(file, line.field));
    replaceWithLines(fs, path, lines);
}

}  // namespace zelvio
