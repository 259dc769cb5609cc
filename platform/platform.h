#pragma once
// Everything the program asks of the system, in one bundle.

namespace zelvio {

class DdeClient;
class FileSystem;
class MediaControl;
class ProgramLauncher;
class Toolkit;

struct Platform {
    FileSystem& fileSystem;
    ProgramLauncher& launcher;
    Toolkit& toolkit;
    MediaControl& media;
    DdeClient& dde;
};

}  // namespace zelvio
