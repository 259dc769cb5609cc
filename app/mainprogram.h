#pragma once
// The main program's composition root: the application, the session and the
// eight windows, taken in once in a fixed order (the main window's made at
// once, each other's when first shown), wired to each other here and nowhere
// else, and kept to the end.

#include "common/session.h"
#include "platform/application.h"
#include "platform/platform.h"

#include <memory>

namespace zelvio {

class TForm1;
class TIndexdata;
class Tcompressinfo;
class Tmpconfig;
class Tmpvoicerecord;
class Trenamedialog;
class Tindexeditor;
class Tmpzelvioabout;

class MainProgram {
public:
    explicit MainProgram(Platform platform);
    ~MainProgram();
    MainProgram(const MainProgram&) = delete;
    MainProgram& operator=(const MainProgram&) = delete;

    // Shows the main window and runs until it closes.
    int run();

    Application& app() { return app_; }
    Session& session() { return session_; }

private:
    // Every window's controls back to their idle state, after an error.
    void resetAllToIdle();

    Application app_;
    Session session_;
    std::unique_ptr<Tcompressinfo> information_;
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<TIndexdata> indexData_;
    std::unique_ptr<Tmpconfig> settings_;
    std::unique_ptr<Tmpvoicerecord> voice_;
    std::unique_ptr<Trenamedialog> rename_;
    std::unique_ptr<Tindexeditor> indexEditor_;
    std::unique_ptr<Tmpzelvioabout> about_;
};

}  // namespace zelvio
