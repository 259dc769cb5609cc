#pragma once
// "mpzelvio.cfg" line by line as one table: after the header, what each line
// holds, the file version that added it, and the settings dialog's row for it
// where the dialog shows it. The reader, the writer and the dialog all follow
// the table: a new setting is one row here and its field.

#include "common/settings.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelvio {

struct SettingsFile {
    std::string waveDirectory;  // empty: the browser stays where it is
    std::string mp3Directory;
    Settings settings;
    // The main window's outer bounds, each one read on its own.
    std::optional<int> left, top, width, height;
};

// Where a line's value lives: a text or number of the file, or a setting.
using SettingField = std::variant<std::string SettingsFile::*, std::optional<int> SettingsFile::*,
                                  std::string Settings::*, CdMode Settings::*>;

// The settings dialog's row for a line: in its frame (0 "Mp3 Config", 1
// "Other") at its place from the top, the label, the field's design name,
// and for a program's path its browse button, the button's hint and the
// hint shown when browsing for an empty field (none: no hint).
struct SettingRow {
    int frame;
    int place;
    const char* label;
    const char* edit;
    const char* browseButton = nullptr;
    const char* browseHint = nullptr;
    const char* emptyFieldHint = nullptr;
};

struct SettingLine {
    int since;  // the file version ("ver 1.N") that added the line
    SettingField field;
    std::optional<SettingRow> row;
};

// The lines after the header, in file order.
const std::vector<SettingLine>& settingLines();
// The version this program writes.
inline constexpr int settingsVersion = 5;

}  // namespace zelvio
