#pragma once
// The one way a wave file becomes an MP3 file: the outside encoder, run in
// the program's work directory, where its own files may be written. An MP3
// file counts as made when the encoder ended with exit code 0 and the file
// holds audio. The batch and the voice recorder both encode through here.

#include "common/settings.h"
#include "encoding/encodeoutcome.h"
#include "platform/system.h"
#include "programs/runandwait.h"

#include <functional>
#include <string>

namespace zelvio {

class Encoder {
public:
    // `workdir` is where outside programs run (made when missing).
    Encoder(System system, std::string workdir);

    // Encodes the wave file (a whole path) into the MP3 file of that name in
    // the directory; `starting` hears the command line just before it runs.
    EncodeOutcome encode(const Settings& settings, const std::string& wave, const std::string& mp3Directory,
                         const std::string& mp3Name,
                         const std::function<void(const std::string& commandLine)>& starting = {});
    // Runs another outside program of the encoding (the ripper) the same way.
    RunOutcome run(const std::string& commandLine);

private:
    System system_;
    const std::string workdir_;
};

// What an outside program's run says when it did not end well; none when it did.
std::optional<ProgramTrouble> troubleOf(const RunOutcome& run, const std::string& commandLine);

}  // namespace zelvio
