#include "encoding/encoder.h"

#include "common/filesystem.h"
#include "common/paths.h"
#include "common/workdir.h"
#include "encoding/encoderline.h"

namespace zelvio {

namespace {
constexpr int showNormal = 1;
}  // namespace

std::optional<ProgramTrouble> troubleOf(const RunOutcome& run, const std::string& commandLine) {
    if (!run.started) return ProgramTrouble{.commandLine = commandLine, .started = false, .errorText = run.errorText};
    if (run.exitCode && *run.exitCode != 0) return ProgramTrouble{.commandLine = commandLine, .exitCode = *run.exitCode};
    return std::nullopt;
}

Encoder::Encoder(System system, std::string workdir) : system_(system), workdir_(std::move(workdir)) {}

RunOutcome Encoder::run(const std::string& commandLine) {
    const std::string& directory = madeWorkdir(system_.fileSystem, workdir_);
    return RunAndWait(system_.events, system_.launcher, commandLine, showNormal, directory);
}

EncodeOutcome Encoder::encode(const Settings& settings, const std::string& wave, const std::string& mp3Directory,
                              const std::string& mp3Name,
                              const std::function<void(const std::string& commandLine)>& starting) {
    FileSystem& fs = system_.fileSystem;
    const std::string mp3 = AddBackslash(mp3Directory) + mp3Name;
    const std::string output = ShortPath(fs, AddBackslash(mp3Directory)) + mp3Name;
    const std::string commandLine = encoderCommandLine(fs, settings, ShortPath(fs, wave), output);
    if (starting) starting(commandLine);
    const RunOutcome outcome = run(commandLine);
    EncodeOutcome encoded{.mp3 = mp3, .encoder = troubleOf(outcome, commandLine)};
    if (outcome.stopped || outcome.programEnding) {
        encoded.result = EncodeResult::Stopped;
        return encoded;
    }
    encoded.noMp3 = !fs.fileExists(mp3) || fs.fileSize(mp3) <= 0;
    if (!encoded.encoder && !encoded.noMp3) encoded.result = EncodeResult::Made;
    return encoded;
}

}  // namespace zelvio
