#include "platform/win32/win32_open_dialog.h"

#include "platform/win32/win32_late_library.h"
#include "platform/win32/win32_unicode.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace zelvio {

namespace {

// "Text|*.txt|All|*.*" as the dialog takes it: NUL between the parts and two at the end.
std::wstring dialogFilter(const std::string& filter) {
    std::wstring parts = wide(filter);
    std::replace(parts.begin(), parts.end(), L'|', L'\0');
    parts.append(2, L'\0');
    return parts;
}

LateLibrary commonDialogs(L"comdlg32.dll");

}  // namespace

std::optional<std::string> showOpenDialog(HWND owner, const OpenFileRequest& request) {
    auto* getOpenFileName = commonDialogs.function<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
    auto* extendedError = commonDialogs.function<decltype(CommDlgExtendedError)>("CommDlgExtendedError");
    const std::wstring filter = dialogFilter(request.filter);
    std::wstring startName = wide(request.fileName);
    for (;;) {
        // Room for the longest path the dialog can give back.
        std::vector<wchar_t> file(32 * 1024, L'\0');
        if (startName.size() < file.size()) std::copy(startName.begin(), startName.end(), file.begin());

        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        // The working directory belongs to the program: the dialog must leave it be.
        dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING;
        if (getOpenFileName(&dialog)) return utf8(file.data());

        const DWORD error = extendedError();
        if (error == 0) return std::nullopt;  // cancelled
        if (error == FNERR_INVALIDFILENAME && !startName.empty()) {
            // A stored name the dialog rejects: open it on no name instead.
            startName.clear();
            continue;
        }
        throw std::runtime_error("The open dialog could not be shown (common dialog error " +
                                 std::to_string(error) + ")");
    }
}

}  // namespace zelvio
