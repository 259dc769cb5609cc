#pragma once
// The whole main program on the headless backend.

#include "app/mainprogram.h"
#include "platform/headless/headless_platform.h"
#include "toolkit_problems.h"
#include "window_views.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zelvio {

// A text file's bytes: each line ended by CR LF.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

// A media command with its device's alias written as DEV: each device has
// an alias of its own, and which one does not matter to a test.
inline std::string withoutAlias(std::string command) {
    const std::size_t alias = command.find("zelvio");
    if (alias != std::string::npos) {
        command.replace(alias, command.find_first_not_of("0123456789", alias + 6) - alias, "DEV");
    }
    return command;
}

class ProgramTest : public ::testing::Test {
protected:
    // Starts the program in the headless file system's current directory.
    void start() { program = std::make_unique<MainProgram>(headless.platform()); }

    void TearDown() override {
        expectNoToolkitProblems(headless.toolkit);
        expectNoFileSystemProblems(headless.fs);
    }

    MainWindowView main() { return {window("TForm1"), program->session()}; }
    InformationView information() { return InformationView(window("Tcompressinfo")); }
    IndexDataView indexData() { return IndexDataView(window("TIndexdata")); }
    IndexEditorView indexEditor() { return IndexEditorView(window("Tindexeditor")); }
    VoiceRecorderView recorder() { return VoiceRecorderView(window("Tmpvoicerecord")); }
    RenameDialogView renameDialog() { return RenameDialogView(window("Trenamedialog")); }
    SettingsDialogView settingsDialog() { return SettingsDialogView(window("Tmpconfig")); }
    Form& window(const std::string& name) { return findWindow(program->app(), name); }
    // The program waits for events, and virtual time passes meanwhile.
    void passTime(std::chrono::milliseconds time) {
        program->app().waitUntil([] { return false; }, {.atMost = time});
    }
    HeadlessFileSystem& fs() { return headless.fs; }
    HeadlessToolkit& toolkit() { return headless.toolkit; }
    const std::vector<MessageBoxRequest>& boxes() { return headless.toolkit.messageBoxes(); }

    // The texts of the plain error boxes shown so far.
    std::vector<std::string> errors() {
        std::vector<std::string> texts;
        for (const auto& box : boxes()) {
            if (box.kind == MessageKind::PlainError) texts.push_back(box.text);
        }
        return texts;
    }

    HeadlessPlatform headless;
    std::unique_ptr<MainProgram> program;
};

}  // namespace zelvio
