// driver_target.exe: a small raw Win32 program built like our programs (an
// owner window of class "TApplication", a form and controls carrying design
// names in the "Name" property, a menu bar, a message box and the open-file
// dialog) on which the end-to-end driver checks itself.
//
// Each action shows its effect in the label "statuslabel". At start it writes
// its working directory into "started.txt". File > E&xit ends it with the exit
// code given as its argument (default 0); the close box ends it with 0.

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <string>

namespace {

enum Id : int {
    GreetButton = 100,
    StatusLabel,
    NameEdit,
    EchoLabel,
    NotesMemo,
    LockedButton,
    HiddenButton,
    AskButton,
    OpenButton,
    ReadOnlyEdit,
    GreetItem = 200,
    RecentItem,
    GrayedItem,
    ExitItem,
    AboutItem,
    StartAnotherItem,
};

HWND form = nullptr;
int exitCode = 0;
int greetings = 0;

void nameWindow(HWND window, const char* name) {
    SetPropA(window, "Name", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(name))));
}

void addControl(const char* name, const char* className, const char* text, DWORD style, int id, int x, int y,
                int width, int height) {
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, form,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
    nameWindow(control, name);
}

void setStatus(const std::string& text) { SetDlgItemTextA(form, StatusLabel, text.c_str()); }

std::string textOf(int id) {
    char text[1024] = {};
    GetDlgItemTextA(form, id, text, sizeof text);
    return text;
}

void greet() { setStatus("greeted " + std::to_string(++greetings)); }

void ask() {
    const int answer = MessageBoxA(form, "Save the notes?", "Confirm", MB_YESNO | MB_ICONQUESTION);
    setStatus(answer == IDYES ? "answer: Yes" : "answer: No");
}

void openFile() {
    char fileName[MAX_PATH] = {};
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = form;
    request.lpstrFilter = "Text files\0*.txt\0All files\0*.*\0";
    request.lpstrFile = fileName;
    request.nMaxFile = MAX_PATH;
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST;
    setStatus(GetOpenFileNameA(&request) ? std::string("opened: ") + fileName : "open cancelled");
}

// The memo's lines joined by "|", to show its exact contents in one line.
std::string joinedNotes() {
    std::string joined;
    for (char c : textOf(NotesMemo)) {
        if (c == '\n') joined += '|';
        else if (c != '\r') joined += c;
    }
    return joined;
}

// Another copy of this program, as programs start helpers: it must end with
// this one when the driver kills it.
void startAnother() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = std::string("\"") + self + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        setStatus("started " + std::to_string(info.dwProcessId));
    }
}

void command(int id, int code) {
    switch (id) {
    case GreetButton:
    case GreetItem: greet(); break;
    case AskButton: ask(); break;
    case OpenButton: openFile(); break;
    case RecentItem: setStatus("recent: first.txt"); break;
    case StartAnotherItem: startAnother(); break;
    case AboutItem: MessageBoxA(form, "Driver target 1.0", "Information", MB_OK | MB_ICONINFORMATION); break;
    case ExitItem: DestroyWindow(form); break;
    case NameEdit:
        if (code == EN_CHANGE) SetDlgItemTextA(form, EchoLabel, ("name: " + textOf(NameEdit)).c_str());
        break;
    case NotesMemo:
        if (code == EN_CHANGE) SetDlgItemTextA(form, EchoLabel, ("notes: " + joinedNotes()).c_str());
        break;
    }
}

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: command(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CLOSE:
        exitCode = 0;
        DestroyWindow(window);
        return 0;
    case WM_DESTROY: PostQuitMessage(exitCode); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HMENU buildMenu() {
    HMENU recent = CreatePopupMenu();
    AppendMenuA(recent, MF_STRING, RecentItem, "first.txt");
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, GreetItem, "&Greet");
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
    AppendMenuA(file, MF_STRING | MF_GRAYED, GrayedItem, "&Disabled");
    AppendMenuA(file, MF_STRING, StartAnotherItem, "&Start another");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, ExitItem, "E&xit");
    HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, AboutItem, "&About\tF1");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

void writeStartFile() {
    char directory[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    HANDLE file = CreateFileA("started.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, directory, length, &written, nullptr);
    CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) exitCode = std::atoi(argv[1]);
    writeStartFile();
    HINSTANCE instance = GetModuleHandleA(nullptr);

    WNDCLASSA appClass = {};
    appClass.lpfnWndProc = DefWindowProcA;
    appClass.hInstance = instance;
    appClass.lpszClassName = "TApplication";
    RegisterClassA(&appClass);
    HWND application = CreateWindowExA(0, "TApplication", "Driver Target", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0,
                                       nullptr, nullptr, instance, nullptr);

    WNDCLASSA formClass = {};
    formClass.lpfnWndProc = formProc;
    formClass.hInstance = instance;
    formClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    formClass.lpszClassName = "TDriverForm";
    RegisterClassA(&formClass);
    const DWORD style = WS_OVERLAPPEDWINDOW;
    HMENU menu = buildMenu();
    RECT outer = {0, 0, 400, 300};
    AdjustWindowRect(&outer, style, TRUE);
    form = CreateWindowExA(0, "TDriverForm", "Driver Target Form", style, 100, 80, outer.right - outer.left,
                           outer.bottom - outer.top, application, menu, instance, nullptr);
    nameWindow(form, "TDriverForm");

    addControl("greetbutt", "BUTTON", "&Greet", BS_PUSHBUTTON | WS_TABSTOP, GreetButton, 10, 10, 90, 25);
    addControl("statuslabel", "STATIC", "ready", SS_LEFT, StatusLabel, 110, 14, 280, 20);
    addControl("nameedit", "EDIT", "", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, NameEdit, 10, 45, 180, 22);
    addControl("echolabel", "STATIC", "", SS_LEFT, EchoLabel, 200, 48, 190, 20);
    addControl("notesmemo", "EDIT", "", WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
               NotesMemo, 10, 75, 180, 80);
    addControl("lockedbutt", "BUTTON", "Locked", BS_PUSHBUTTON | WS_DISABLED, LockedButton, 10, 165, 90, 25);
    addControl("hiddenbutt", "BUTTON", "Hidden", BS_PUSHBUTTON, HiddenButton, 110, 165, 90, 25);
    ShowWindow(GetDlgItem(form, HiddenButton), SW_HIDE);
    addControl("askbutt", "BUTTON", "Ask", BS_PUSHBUTTON | WS_TABSTOP, AskButton, 10, 200, 90, 25);
    addControl("openbutt", "BUTTON", "Open...", BS_PUSHBUTTON | WS_TABSTOP, OpenButton, 110, 200, 90, 25);
    addControl("readonlyedit", "EDIT", "fixed", WS_BORDER | ES_READONLY, ReadOnlyEdit, 10, 235, 180, 22);

    ShowWindow(form, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(form, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
