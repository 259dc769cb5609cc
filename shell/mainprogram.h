#pragma once
// The main program: the application and its eight windows, created once in
// this order and kept to the end.

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

    Application app;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TIndexdata> Indexdata;
    std::unique_ptr<Tcompressinfo> compressinfo;
    std::unique_ptr<Tmpconfig> mpconfig;
    std::unique_ptr<Tmpvoicerecord> mpvoicerecord;
    std::unique_ptr<Trenamedialog> renamedialog;
    std::unique_ptr<Tindexeditor> indexeditor;
    std::unique_ptr<Tmpzelvioabout> mpzelvioabout;
};

}  // namespace zelvio
