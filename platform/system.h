#pragma once
// What the services ask of the system and of the program around them, in
// one bundle a window hands them: none of them sees the application, a
// window or a box.

namespace zelvio {

class EventLoop;
class FileSystem;
class MediaControl;
class ProgramLauncher;

struct System {
    FileSystem& fileSystem;
    ProgramLauncher& launcher;
    MediaControl& media;
    EventLoop& events;
};

}  // namespace zelvio
