#include "platform/win32/win32_recycle_bin.h"

#include "platform/win32/win32_late_library.h"
#include "platform/win32/win32_short_path.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <map>

namespace zelvio {

namespace {

// The shell is loaded with the first delete, not with the program.
LateLibrary& shell() {
    static LateLibrary library(L"shell32.dll");
    return library;
}

// Whether DeleteFile would remove the file now: there, a file without the
// read-only attribute (which has always kept a file here), on a writable
// volume, held open by nobody who forbids it. Only such files go to the
// shell: Wine asks whether to delete for good any file its trash refuses (a
// missing one too), then stops at one it cannot delete, leaving the files
// after it; and from a read-only mount it copies the file into its trash.
bool deletableNow(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return false;
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool gone(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::wstring volumeOf(const std::wstring& path) {
    std::wstring root(path.size() + 2, L'\0');
    if (!GetVolumePathNameW(path.c_str(), root.data(), static_cast<DWORD>(root.size()))) return path.substr(0, 3);
    root.resize(std::wcslen(root.c_str()));
    return root;
}

// Whether the volume keeps a Recycle Bin. Under Wine the trash is one for
// all drives, and there is none when it cannot be made in the user's home.
bool keepsBin(const std::wstring& volume) {
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    const auto query = shell().function<decltype(SHQueryRecycleBinW)>("SHQueryRecycleBinW");
    return SUCCEEDED(query(volume.c_str(), &info));
}

// Asked before anything is deleted for good where there is no bin: Wine's
// own question there ("Are you sure you want to delete these 2 items?")
// does not say that they are lost. No is the default, so that a second
// Enter loses nothing.
bool agreedToDeleteForGood(const std::vector<std::wstring>& paths) {
    const bool one = paths.size() == 1;
    const std::wstring text = one ? L"\"" + paths.front() +
                                        L"\" cannot go to the Recycle Bin: its drive keeps none.\n\n"
                                        L"Do you want to delete it for good? It cannot be restored."
                                  : L"These " + std::to_wstring(paths.size()) +
                                        L" files cannot go to the Recycle Bin: their drive keeps none.\n\n"
                                        L"Do you want to delete them for good? They cannot be restored.";
    const wchar_t* caption = one ? L"Delete File" : L"Delete Multiple Items";
    return MessageBoxW(GetActiveWindow(), text.c_str(), caption,
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2 | MB_APPLMODAL) == IDYES;
}

// One operation for all the files, so that the system asks at most once:
// before it deletes for good a file its bin refuses (FOF_WANTNUKEWARNING).
// We asked whether to delete already, and failures are passed over.
void sendToBin(const std::vector<std::wstring>& shellPaths) {
    std::wstring list;
    for (const std::wstring& path : shellPaths) list.append(path).push_back(L'\0');
    list.push_back(L'\0');
    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = GetActiveWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_NOERRORUI | FOF_SILENT;
    shell().function<decltype(SHFileOperationW)>("SHFileOperationW")(&operation);
}

}  // namespace

std::vector<RecycleResult> recycleToBin(const std::vector<std::wstring>& paths) {
    std::vector<RecycleResult> results(paths.size(), RecycleResult::Kept);
    std::vector<std::size_t> toBin;
    std::vector<std::size_t> noBin;
    std::vector<std::wstring> shellPaths;
    std::map<std::wstring, bool> binOfVolume;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (!deletableNow(paths[i])) continue;
        const std::wstring volume = volumeOf(paths[i]);
        if (!binOfVolume.contains(volume)) binOfVolume[volume] = keepsBin(volume);
        if (!binOfVolume[volume]) {
            noBin.push_back(i);
            continue;
        }
        // A path the shell cannot take, even in its 8.3 form, stays.
        std::wstring shellPath = shellPathFor(paths[i]);
        if (shellPath.size() >= MAX_PATH) continue;
        toBin.push_back(i);
        shellPaths.push_back(std::move(shellPath));
    }
    if (!toBin.empty()) {
        sendToBin(shellPaths);
        // The operation does not say what became of each file: one the bin
        // refused and the system deleted for good after its question reads
        // as recycled too.
        for (std::size_t i : toBin) {
            if (gone(paths[i])) results[i] = RecycleResult::Recycled;
        }
    }
    std::vector<std::wstring> asked;
    for (std::size_t i : noBin) asked.push_back(paths[i]);
    if (!asked.empty() && agreedToDeleteForGood(asked)) {
        for (std::size_t i : noBin) {
            if (DeleteFileW(paths[i].c_str())) results[i] = RecycleResult::DeletedForGood;
        }
    }
    return results;
}

}  // namespace zelvio
