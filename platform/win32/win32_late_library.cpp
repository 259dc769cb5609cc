#include "platform/win32/win32_late_library.h"

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unicode.h"

namespace zelvio {

FARPROC LateLibrary::address(const char* name) {
    if (module_ == nullptr) {
        module_ = LoadLibraryW(fileName_);
        if (module_ == nullptr) throw InOutError(utf8(fileName_) + ": " + systemErrorText(GetLastError()));
    }
    FARPROC found = GetProcAddress(module_, name);
    if (found == nullptr) throw InOutError(utf8(fileName_) + " " + name + ": " + systemErrorText(GetLastError()));
    return found;
}

}  // namespace zelvio
