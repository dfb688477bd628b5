// Starts corvane.exe, which the test build puts beside the test program, as
// a user starts it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/win32/dpi.h"
#include "platform/win32/win32.h"
#include "win32/screen.h"

namespace corvane::test {

// The program the tests start: corvane.exe as shipped beside the test
// program, or the one CORVANE_STARTED_EXE names (the 32-bit exe, started by
// 64-bit test programs where the kernel runs 32-bit programs only through an
// emulator).
inline std::wstring corvaneExe() {
    wchar_t named[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"CORVANE_STARTED_EXE", named, MAX_PATH) != 0) return named;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"" CORVANE_EXE;
}

// Returns false when the process could not be started. `arguments` follow
// the program's name on its command line; `folder` is where it starts.
inline bool startCorvane(PROCESS_INFORMATION& process, const std::wstring& arguments = L"",
                         const std::wstring& folder = L"", const std::wstring& exe = corvaneExe()) {
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    return CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &si, &process) != FALSE;
}

// A top-level window of that class and title once it is shown; null after
// five seconds without it (at the usual speed).
inline HWND shownWindow(const wchar_t* cls, const wchar_t* title) {
    for (int i = 0; i < 100 * patience(); ++i) {
        HWND h = FindWindowW(cls, title);
        if (h != nullptr && IsWindowVisible(h)) return h;
        Sleep(50);
    }
    return nullptr;
}
// The help window of the running program, once it is shown.
inline HWND shownHelpWindow() { return shownWindow(L"CorvaneWindow", L"About 3dfx Corvane"); }
// True once the window is gone (at most five seconds at the usual speed).
inline bool gone(HWND h) {
    for (int i = 0; i < 100 * patience() && IsWindow(h); ++i) Sleep(50);
    return !IsWindow(h);
}

// The main window once it is shown, which is after start-up, the driver
// scan included; null after ten seconds without it (at the usual speed).
inline HWND shownMainWindow() {
    for (int i = 0; i < 200 * patience(); ++i) {
        HWND h = FindWindowW(L"CorvaneWindow", L"3dfx Corvane");
        if (h != nullptr && IsWindowVisible(h)) return h;
        Sleep(50);
    }
    return nullptr;
}

// The IDs that the view gives the controls: their places in the description.
inline int controlId(const char* name, const WindowDesc& desc = kMainWindow) {
    for (std::size_t i = 0; i < desc.controls.size(); ++i) {
        if (std::string(desc.controls[i]->name) == name) return 100 + static_cast<int>(i);
    }
    return -1;
}

struct FindById {
    int id;
    HWND found;
};

inline BOOL CALLBACK matchId(HWND h, LPARAM l) {
    auto* f = reinterpret_cast<FindById*>(l);
    if (GetDlgCtrlID(h) != f->id) return TRUE;
    f->found = h;
    return FALSE;
}

// A control of the running program's window. The controls of hidden pages
// are made just after the window is shown: wait for them.
inline HWND controlOf(HWND main, const char* name, const WindowDesc& desc = kMainWindow) {
    FindById find{controlId(name, desc), nullptr};
    for (int tries = 0; find.found == nullptr && tries < 100 * patience(); ++tries) {
        EnumChildWindows(main, matchId, reinterpret_cast<LPARAM>(&find));
        if (find.found == nullptr) Sleep(50);
    }
    return find.found;
}

// The text of a control of the running program's window.
inline std::wstring textOf(HWND main, const char* name) {
    FindById find{controlId(name), controlOf(main, name)};
    if (find.found == nullptr) return L"<no control>";
    // Asked of the control itself: an edit box keeps its text to itself.
    wchar_t text[256] = {};
    SendMessageTimeoutW(find.found, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, waitMs(5000),
                        nullptr);
    return text;
}

// The text of a control of the running program's window once it reads
// `expected`, or what it reads after five seconds.
inline std::wstring textBecomes(HWND main, const char* name, const std::wstring& expected) {
    std::wstring text;
    for (int tries = 0; tries < 100 * patience(); ++tries) {
        text = textOf(main, name);
        if (text == expected) break;
        Sleep(50);
    }
    return text;
}

// The names a folder holds, without "." and "..": its files, its folders, or both.
enum class Held { Files, Folders, Both };
inline std::vector<std::wstring> namesIn(const std::wstring& folder, Held what = Held::Both) {
    std::vector<std::wstring> out;
    WIN32_FIND_DATAW d;
    HANDLE find = FindFirstFileW((folder + (folder.ends_with(L'\\') ? L"*" : L"\\*")).c_str(), &d);
    if (find == INVALID_HANDLE_VALUE) return out;
    do {
        const std::wstring n = d.cFileName;
        const bool isFolder = (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (n != L"." && n != L".." && (what == Held::Both || isFolder == (what == Held::Folders))) out.push_back(n);
    } while (FindNextFileW(find, &d));
    FindClose(find);
    return out;
}

// Makes the file at `path` hold `bytes`.
inline void writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(f);
}

// A file's bytes, read past the program ("<missing>" when it can't be opened).
inline std::string fileBytes(const std::wstring& path) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out(4096, '\0');
    DWORD got = 0;
    ReadFile(f, out.data(), static_cast<DWORD>(out.size()), &got, nullptr);
    CloseHandle(f);
    out.resize(got);
    return out;
}

// The last part of the system's short form of `path`.
inline std::string shortName(const std::wstring& path) {
    wchar_t out[MAX_PATH];
    const DWORD n = GetShortPathNameW(path.c_str(), out, MAX_PATH);
    std::wstring s(out, n);
    s = s.substr(s.find_last_of(L'\\') + 1);
    return std::string(s.begin(), s.end());
}

// A program on another drive (Wine's Z:), in a folder of the test's own.
struct ProgramElsewhere {
    std::wstring folder = L"Z:\\tmp\\corvane-pick-" + std::to_wstring(GetCurrentProcessId());
    std::wstring program = folder + L"\\Hover Tank.exe";
    ProgramElsewhere() {
        CreateDirectoryW(folder.c_str(), nullptr);
        CloseHandle(CreateFileW(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    ~ProgramElsewhere() {
        DeleteFileW(program.c_str());
        RemoveDirectoryW(folder.c_str());
    }
};

// Starts a second copy with `arguments` and waits for it to end; its exit
// code, or -1 when it did not start or end.
inline int secondStart(const std::wstring& arguments) {
    PROCESS_INFORMATION p{};
    if (!startCorvane(p, arguments)) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(p.hProcess, waitMs(20000)) == WAIT_OBJECT_0) GetExitCodeProcess(p.hProcess, &code);
    CloseHandle(p.hProcess);
    CloseHandle(p.hThread);
    return static_cast<int>(code);
}

// Closes the running program's window and waits for it to end.
inline bool endCorvane(PROCESS_INFORMATION& p) {
    PostMessageW(FindWindowW(L"CorvaneWindow", L"3dfx Corvane"), WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(p.hProcess, waitMs(20000)) == WAIT_OBJECT_0;
    CloseHandle(p.hProcess);
    CloseHandle(p.hThread);
    return ended;
}

// A point inside tab `n` (from 1) of the main window's strip on the screen.
// The strip's own answer (TCM_GETITEMRECT) needs memory of the program's
// process, which a process run by an emulator does not share; so the point
// is found as the program lays its tabs out: side by side from the strip's
// left, each its caption in the dialog font with the same padding, the
// padding what the strip's width leaves, at most six pixels at 96 DPI.
inline POINT tabCentre(HWND strip, int n) {
    const RECT r = clientOnScreen(strip);
    const int width = r.right - r.left;
    int twipsWide = 0;
    for (const ControlRow* row : kMainWindow.controls) {
        if (row->kind == Kind::TabStrip) twipsWide = row->box.width;
    }
    const UINT dpi = static_cast<UINT>(MulDiv(width, 1440, twipsWide > 0 ? twipsWide : 1440));
    const LOGFONTW lf = win32::dialogFont(dpi);
    HFONT font = CreateFontIndirectW(&lf);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<int> text;
    int total = 0;
    for (const TabRow& tab : kMainWindow.tabs) {
        SIZE size{};
        GetTextExtentPoint32W(dc, tab.caption, static_cast<int>(wcslen(tab.caption)), &size);
        text.push_back(size.cx);
        total += size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    const int count = static_cast<int>(text.size());
    const int padding = std::clamp((width - 4 - total) / (2 * std::max(count, 1)), 1, MulDiv(6, static_cast<int>(dpi), 96));
    int x = r.left + 2;
    for (int i = 0; i + 1 < n && i < count; ++i) x += text[static_cast<std::size_t>(i)] + 2 * padding;
    const int w = n >= 1 && n <= count ? text[static_cast<std::size_t>(n - 1)] + 2 * padding : 0;
    return {x + w / 2, r.top + MulDiv(10, static_cast<int>(dpi), 96)};
}

// corvane.exe running as its own process, its main window shown; closed,
// or ended where it never showed, at the end.
class RunningCorvane {
public:
    explicit RunningCorvane(const std::wstring& arguments = L"") {
        started_ = startCorvane(process_, arguments);
        if (started_) main_ = shownMainWindow();
    }
    ~RunningCorvane() {
        if (!started_) return;
        if (main_ != nullptr) {
            endCorvane(process_);
        } else {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }
    RunningCorvane(const RunningCorvane&) = delete;
    RunningCorvane& operator=(const RunningCorvane&) = delete;

    HWND main() const { return main_; }
    HANDLE process() const { return process_.hProcess; }
    DWORD thread() const { return process_.dwThreadId; }
    // A control of the main window, or of `window` made from `desc`.
    HWND control(const char* name, const WindowDesc& desc = kMainWindow, HWND window = nullptr) const {
        return controlOf(window != nullptr ? window : main_, name, desc);
    }
    // Clicks tab `n` (from 1) where the screen shows it; the mouse then
    // leaves the window.
    void clickTab(int n) const {
        click(tabCentre(control("TabStrip1"), n));
        mouseAway();
    }
    // Presses "&Make" with Alt+M and answers its question with Enter, as a
    // user does; returns the question ("<none>" when none came), once the
    // name field is emptied again.
    std::wstring makeByKeys() const {
        key('M', VK_MENU);
        HWND question = shownWindow(L"#32770", L"3dfx Corvane");
        if (question == nullptr) return L"<none>";
        wchar_t text[256] = {};
        GetDlgItemTextW(question, 0xFFFF, text, 256);
        key(VK_RETURN);
        textBecomes(main_, "Text1", L"");
        return text;
    }
    // Clicks entry `index` of a list box of the main window.
    void clickListEntry(const char* list, int index) const {
        click(centre(itemOnScreen(process(), control(list), LB_GETITEMRECT, index)));
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND main_ = nullptr;
};

}  // namespace corvane::test
