#include "platform/win32/win32_message_box.h"

#include "platform/win32/win32_unicode.h"

#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

namespace zelvio {

namespace {

// The renaming the hook does for one box.
struct CaptionJob {
    std::vector<int> buttonIds;
    std::vector<std::string> captions;
    bool done = false;
};

thread_local CaptionJob* currentJob = nullptr;

bool isDialogBox(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wcscmp(name, L"#32770") == 0;
}

// Renames the buttons when the box first becomes active: by then they exist,
// and the box has not been drawn yet.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam) {
    CaptionJob* job = currentJob;
    if (code == HCBT_ACTIVATE && job != nullptr && !job->done) {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (isDialogBox(box)) {
            job->done = true;
            for (std::size_t i = 0; i < job->buttonIds.size() && i < job->captions.size(); ++i) {
                SetDlgItemTextW(box, job->buttonIds[i], wide(job->captions[i]).c_str());
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT iconStyle(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return MB_ICONWARNING;
        case MessageKind::Error:
        case MessageKind::PlainError:
            return MB_ICONERROR;
        case MessageKind::Confirm:
        case MessageKind::PlainQuestion:
            return MB_ICONQUESTION;
        case MessageKind::Information:
            break;
    }
    return MB_ICONINFORMATION;
}

// "Yes" and "Cancel" is no standard set: it is OK and Cancel with OK renamed.
UINT buttonStyle(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return MB_YESNO;
        case MessageButtons::YesCancel:
            return MB_OKCANCEL;
        case MessageButtons::Ok:
            break;
    }
    return MB_OK;
}

std::vector<int> buttonIds(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return {IDYES, IDNO};
        case MessageButtons::YesCancel:
            return {IDOK, IDCANCEL};
        case MessageButtons::Ok:
            break;
    }
    return {IDOK};
}

MessageResult resultOf(int pressed, MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageResult::Ok;  // a box with one button has one answer
        case MessageButtons::YesNo:
            return pressed == IDYES ? MessageResult::Yes : MessageResult::No;
        case MessageButtons::YesCancel:
            return pressed == IDOK ? MessageResult::Yes : MessageResult::Cancel;
    }
    return MessageResult::Cancel;
}

}  // namespace

MessageResult showMessageBox(HWND owner, const MessageBoxRequest& request) {
    CaptionJob job{buttonIds(request.buttons), buttonCaptions(request.buttons)};
    CaptionJob* const outerJob = currentJob;
    currentJob = &job;
    HHOOK hook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    const int pressed = MessageBoxW(owner, wide(request.text).c_str(), wide(request.title).c_str(),
                                    iconStyle(request.kind) | buttonStyle(request.buttons) | MB_APPLMODAL);
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    currentJob = outerJob;
    return resultOf(pressed, request.buttons);
}

}  // namespace zelvio
