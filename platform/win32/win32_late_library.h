#pragma once
// A system library loaded when it is first used rather than with the program.
// Every library a program imports is loaded and initialised before its first
// window can show; the common dialogs (with the shell beneath them) and the
// media library are used only when the user opens a file or plays a sound.

#include <windows.h>

namespace zelvio {

class LateLibrary {
public:
    explicit LateLibrary(const wchar_t* fileName) : fileName_(fileName) {}
    LateLibrary(const LateLibrary&) = delete;
    LateLibrary& operator=(const LateLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // The library's function of that name and type, loading the library
    // first; a library or function the system lacks raises InOutError.
    template <class Function>
    Function* function(const char* name) {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(address(name)));
    }

private:
    FARPROC address(const char* name);

    const wchar_t* fileName_;
    HMODULE module_ = nullptr;
};

}  // namespace zelvio
