#include "platform/win32/api.h"

#include <cstddef>
#include <cstring>

#include "platform/command_line.h"
#include "platform/decimal.h"
#include "platform/win32/fault_seam.h"

namespace corvane::win32::api {

namespace {

// The NT family, or Windows 95, 98 and Me: asked once.
bool nt() {
    static const bool isNt = (GetVersion() & 0x80000000u) == 0;
    return isNt;
}

// The name of the function each path calls, as the fault seam asks for it.
const char* named(const char* wide, const char* ansi) { return nt() ? wide : ansi; }

// Text for an ANSI function: characters the code page lacks become its
// default character.
std::string narrow(std::wstring_view s) {
    if (s.empty()) return {};
    const int n = static_cast<int>(s.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, s.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, s.data(), n, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring widen(std::string_view s) {
    if (s.empty()) return {};
    const int n = static_cast<int>(s.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, s.data(), n, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, s.data(), n, out.data(), size);
    return out;
}

// A name of a file for an ANSI function: exactly, or not at all. A '?' in
// place of a missing character would be a wildcard or another file.
bool narrowPath(std::wstring_view s, std::string& out) {
    BOOL lossy = FALSE;
    out = std::string();
    if (s.empty()) return true;
    const int n = static_cast<int>(s.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, s.data(), n, nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return false;
    out.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, s.data(), n, out.data(), size, nullptr, &lossy);
    if (lossy || widen(out) != s) return false;
    return true;
}

constexpr DWORD kNoMapping = ERROR_NO_UNICODE_TRANSLATION;

LOGFONTA ansiFont(const LOGFONTW& w) {
    LOGFONTA a{};
    std::memcpy(&a, &w, offsetof(LOGFONTA, lfFaceName));
    const std::string face = narrow(w.lfFaceName);
    std::memcpy(a.lfFaceName, face.data(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    return a;
}

}  // namespace

HINSTANCE instance() { return nt() ? GetModuleHandleW(nullptr) : GetModuleHandleA(nullptr); }

bool classExists(const wchar_t* name) {
    if (nt()) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        return GetClassInfoExW(instance(), name, &wc) != FALSE;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    return GetClassInfoExA(instance(), narrow(name).c_str(), &wc) != FALSE;
}

ATOM registerClass(const WNDCLASSEXW& wc) {
    if (nt()) return RegisterClassExW(&wc);
    const std::string name = narrow(wc.lpszClassName);
    WNDCLASSEXA a{};
    a.cbSize = sizeof a;
    a.style = wc.style;
    a.lpfnWndProc = wc.lpfnWndProc;
    a.cbClsExtra = wc.cbClsExtra;
    a.cbWndExtra = wc.cbWndExtra;
    a.hInstance = wc.hInstance;
    a.hIcon = wc.hIcon;
    a.hCursor = wc.hCursor;
    a.hbrBackground = wc.hbrBackground;
    a.lpszClassName = name.c_str();
    a.hIconSm = wc.hIconSm;
    return RegisterClassExA(&a);
}

HWND createWindow(DWORD exStyle, const wchar_t* cls, const std::wstring& text, DWORD style, int x, int y, int w,
                  int h, HWND parent, HMENU menu) {
    if (seam::fails(named("CreateWindowExW", "CreateWindowExA"))) return nullptr;
    if (nt()) {
        return CreateWindowExW(exStyle, cls, text.empty() ? nullptr : text.c_str(), style, x, y, w, h, parent, menu,
                               instance(), nullptr);
    }
    return CreateWindowExA(exStyle, narrow(cls).c_str(), text.empty() ? nullptr : narrow(text).c_str(), style, x, y,
                           w, h, parent, menu, instance(), nullptr);
}

LRESULT CALLBACK defWindowProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    return nt() ? DefWindowProcW(h, msg, w, l) : DefWindowProcA(h, msg, w, l);
}

LRESULT callWindowProc(WNDPROC proc, HWND h, UINT msg, WPARAM w, LPARAM l) {
    return nt() ? CallWindowProcW(proc, h, msg, w, l) : CallWindowProcA(proc, h, msg, w, l);
}

LONG_PTR windowLong(HWND h, int index) { return nt() ? GetWindowLongPtrW(h, index) : GetWindowLongPtrA(h, index); }

LONG_PTR setWindowLong(HWND h, int index, LONG_PTR value) {
    return nt() ? SetWindowLongPtrW(h, index, value) : SetWindowLongPtrA(h, index, value);
}

LRESULT send(HWND h, UINT msg, WPARAM w, LPARAM l) { return nt() ? SendMessageW(h, msg, w, l) : SendMessageA(h, msg, w, l); }

BOOL post(HWND h, UINT msg, WPARAM w, LPARAM l) { return nt() ? PostMessageW(h, msg, w, l) : PostMessageA(h, msg, w, l); }

LRESULT sendTimeout(HWND h, UINT msg, WPARAM w, LPARAM l, UINT flags, UINT ms, DWORD_PTR* result) {
    return nt() ? SendMessageTimeoutW(h, msg, w, l, flags, ms, result)
                : SendMessageTimeoutA(h, msg, w, l, flags, ms, result);
}

HWND findWindow(const wchar_t* cls, const std::wstring& caption) {
    if (nt()) return FindWindowW(cls, caption.c_str());
    return FindWindowA(narrow(cls).c_str(), narrow(caption).c_str());
}

std::wstring windowText(HWND h) {
    if (nt()) {
        const int n = GetWindowTextLengthW(h);
        std::wstring s(static_cast<std::size_t>(std::max(n, 0)) + 1, L'\0');
        const int got = GetWindowTextW(h, s.data(), n + 1);
        s.resize(static_cast<std::size_t>(std::max(got, 0)));
        return s;
    }
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
    const int got = GetWindowTextA(h, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(std::max(got, 0)));
    return widen(s);
}

void setWindowText(HWND h, const std::wstring& text) {
    if (nt()) {
        SetWindowTextW(h, text.c_str());
    } else {
        SetWindowTextA(h, narrow(text).c_str());
    }
}

LRESULT sendString(HWND h, UINT msg, WPARAM w, const std::wstring& text) {
    if (nt()) return SendMessageW(h, msg, w, reinterpret_cast<LPARAM>(text.c_str()));
    const std::string a = narrow(text);
    return SendMessageA(h, msg, w, reinterpret_cast<LPARAM>(a.c_str()));
}

void insertTab(HWND tabs, int index, const std::wstring& caption) {
    if (nt()) {
        std::wstring text = caption;
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        return;
    }
    std::string text = narrow(caption);
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text.data();
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
}

void setListCount(HWND list, int count) {
    if (nt()) {
        SendMessageW(list, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
    } else {
        SendMessageA(list, LB_SETCOUNT, static_cast<WPARAM>(std::min(count, 32767)), 0);
    }
}

namespace {

// A tool, in the form of the path that runs, at the size common controls
// 4.70 and 5 know: the later fields are not used.
template <typename Info>
void sendTool(HWND tips, UINT msg, UINT flags, HWND window, UINT_PTR id, const RECT& rect,
              decltype(Info::lpszText) text) {
    Info ti{};
    ti.cbSize = offsetof(Info, lParam) + sizeof(LPARAM);
    ti.uFlags = flags;
    ti.hwnd = window;
    ti.uId = id;
    ti.rect = rect;
    ti.lpszText = text;
    send(tips, msg, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace

void addTool(HWND tips, UINT flags, HWND window, UINT_PTR id, const RECT& rect) {
    if (nt()) {
        sendTool<TTTOOLINFOW>(tips, TTM_ADDTOOLW, flags, window, id, rect, LPSTR_TEXTCALLBACKW);
    } else {
        sendTool<TTTOOLINFOA>(tips, TTM_ADDTOOLA, flags, window, id, rect, LPSTR_TEXTCALLBACKA);
    }
}

void moveTool(HWND tips, HWND window, UINT_PTR id, const RECT& rect) {
    if (nt()) {
        sendTool<TTTOOLINFOW>(tips, TTM_NEWTOOLRECTW, 0, window, id, rect, nullptr);
    } else {
        sendTool<TTTOOLINFOA>(tips, TTM_NEWTOOLRECTA, 0, window, id, rect, nullptr);
    }
}

// A tooltip asks in the form its tools were added in, or that its owner
// answered WM_NOTIFYFORMAT with: either may come.
std::optional<ToolTipAsk> toolTipAsk(const NMHDR& n) {
    if (n.code == TTN_GETDISPINFOW) {
        const auto& d = reinterpret_cast<const NMTTDISPINFOW&>(n);
        return ToolTipAsk{n.idFrom, (d.uFlags & TTF_IDISHWND) != 0};
    }
    if (n.code == TTN_GETDISPINFOA) {
        const auto& d = reinterpret_cast<const NMTTDISPINFOA&>(n);
        return ToolTipAsk{n.idFrom, (d.uFlags & TTF_IDISHWND) != 0};
    }
    return std::nullopt;
}

void answerToolTip(NMHDR& n, const wchar_t* text) {
    if (n.code == TTN_GETDISPINFOW) {
        auto& d = reinterpret_cast<NMTTDISPINFOW&>(n);
        d.szText[0] = 0;
        d.lpszText = const_cast<wchar_t*>(text);
    } else if (n.code == TTN_GETDISPINFOA) {
        // One tip shows at a time, and the tooltip copies its text.
        static std::string shown;
        shown = narrow(text);
        auto& d = reinterpret_cast<NMTTDISPINFOA&>(n);
        d.szText[0] = 0;
        d.lpszText = shown.data();
    }
}

LRESULT dispatchMessage(const MSG& msg) { return nt() ? DispatchMessageW(&msg) : DispatchMessageA(&msg); }

bool isDialogMessage(HWND h, MSG& msg) { return (nt() ? IsDialogMessageW(h, &msg) : IsDialogMessageA(h, &msg)) != FALSE; }

bool peekMessage(MSG& msg, UINT remove) {
    return (nt() ? PeekMessageW(&msg, nullptr, 0, 0, remove) : PeekMessageA(&msg, nullptr, 0, 0, remove)) != FALSE;
}

HANDLE loadImage(int id, UINT type, int w, int h, UINT flags) {
    if (nt()) return LoadImageW(instance(), MAKEINTRESOURCEW(id), type, w, h, flags);
    return LoadImageA(instance(), MAKEINTRESOURCEA(id), type, w, h, flags);
}

HCURSOR arrowCursor() {
    return nt() ? LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)) : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
}

RECT workArea() {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (nt()) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    }
    return r;
}

int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style) {
    return MessageBoxW(owner, text, caption, style);
}

HFONT createFont(const LOGFONTW& font) {
    if (nt()) return CreateFontIndirectW(&font);
    const LOGFONTA a = ansiFont(font);
    return CreateFontIndirectA(&a);
}

namespace {

int CALLBACK noteFaceW(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

int CALLBACK noteFaceA(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

bool fontFaceExists(const wchar_t* face) {
    LOGFONTW want{};
    want.lfCharSet = DEFAULT_CHARSET;
    for (std::size_t i = 0; i + 1 < LF_FACESIZE && face[i] != 0; ++i) want.lfFaceName[i] = face[i];
    HDC dc = GetDC(nullptr);
    bool found = false;
    if (nt()) {
        EnumFontFamiliesExW(dc, &want, noteFaceW, reinterpret_cast<LPARAM>(&found), 0);
    } else {
        LOGFONTA a = ansiFont(want);
        EnumFontFamiliesExA(dc, &a, noteFaceA, reinterpret_cast<LPARAM>(&found), 0);
    }
    ReleaseDC(nullptr, dc);
    return found;
}

int textHeight(HDC dc) {
    if (nt()) {
        TEXTMETRICW tm{};
        return GetTextMetricsW(dc, &tm) ? tm.tmHeight : 0;
    }
    TEXTMETRICA tm{};
    return GetTextMetricsA(dc, &tm) ? tm.tmHeight : 0;
}

SIZE textExtent(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

int drawText(HDC dc, std::wstring_view text, RECT& r, UINT format) {
    if (nt()) return DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, format);
    const std::string a = narrow(text);
    return DrawTextA(dc, a.data(), static_cast<int>(a.size()), &r, format);
}

FileSearch::FileSearch(const std::wstring& pattern) {
    if (nt()) {
        // The basic information level (no short names) and large fetches
        // came with Windows 7; older systems refuse them, and the plain call
        // serves.
        using FindFirstFileExFn = HANDLE(WINAPI*)(LPCWSTR, FINDEX_INFO_LEVELS, LPVOID, FINDEX_SEARCH_OPS, LPVOID, DWORD);
        static const auto findEx = win32::ntFunction<FindFirstFileExFn>(L"kernel32.dll", "FindFirstFileExW");
        h_ = INVALID_HANDLE_VALUE;
        if (seam::fails(findEx != nullptr ? "FindFirstFileExW" : "FindFirstFileW")) {
            error_ = GetLastError();
            return;
        }
        if (findEx != nullptr) {
            h_ = findEx(pattern.c_str(), static_cast<FINDEX_INFO_LEVELS>(1), &wide_, FindExSearchNameMatch, nullptr, 2);
        }
        if (h_ == INVALID_HANDLE_VALUE && (findEx == nullptr || GetLastError() == ERROR_INVALID_PARAMETER)) {
            h_ = FindFirstFileW(pattern.c_str(), &wide_);
        }
    } else {
        std::string a;
        if (!narrowPath(pattern, a)) {
            error_ = kNoMapping;
            return;
        }
        if (seam::fails("FindFirstFileA")) {
            error_ = GetLastError();
            return;
        }
        h_ = FindFirstFileA(a.c_str(), &ansi_);
        if (h_ != INVALID_HANDLE_VALUE) name_ = widen(ansi_.cFileName);
    }
    found_ = h_ != INVALID_HANDLE_VALUE;
    if (!found_) error_ = GetLastError();
}

FileSearch::~FileSearch() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
}

const wchar_t* FileSearch::name() const { return nt() ? wide_.cFileName : name_.c_str(); }

DWORD FileSearch::attributes() const { return nt() ? wide_.dwFileAttributes : ansi_.dwFileAttributes; }

bool FileSearch::next() {
    if (!found_) return false;
    if (seam::fails(named("FindNextFileW", "FindNextFileA"))) {
        found_ = false;
    } else {
        found_ = nt() ? FindNextFileW(h_, &wide_) != FALSE : FindNextFileA(h_, &ansi_) != FALSE;
    }
    if (!found_) {
        error_ = GetLastError();
    } else if (!nt()) {
        name_ = widen(ansi_.cFileName);
    }
    return found_;
}

HANDLE createFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    if (nt()) {
        if (seam::fails("CreateFileW")) return INVALID_HANDLE_VALUE;
        return CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
    }
    std::string a;
    if (!narrowPath(path, a)) {
        SetLastError(kNoMapping);
        return INVALID_HANDLE_VALUE;
    }
    if (seam::fails("CreateFileA")) return INVALID_HANDLE_VALUE;
    return CreateFileA(a.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

bool deleteFile(const std::wstring& path) {
    if (nt()) return !seam::fails("DeleteFileW") && DeleteFileW(path.c_str()) != FALSE;
    std::string a;
    return narrowPath(path, a) && !seam::fails("DeleteFileA") && DeleteFileA(a.c_str()) != FALSE;
}

DWORD tempFileName(const std::wstring& folder, const wchar_t* prefix, std::wstring& path) {
    if (nt()) {
        wchar_t name[MAX_PATH + 16];
        if (seam::fails("GetTempFileNameW") || GetTempFileNameW(folder.c_str(), prefix, 0, name) == 0) {
            return GetLastError();
        }
        path = name;
        return 0;
    }
    std::string a;
    if (!narrowPath(folder, a)) return kNoMapping;
    char name[MAX_PATH + 16];
    if (seam::fails("GetTempFileNameA") || GetTempFileNameA(a.c_str(), narrow(prefix).c_str(), 0, name) == 0) {
        return GetLastError();
    }
    path = widen(name);
    return 0;
}

DWORD fileAttributes(const std::wstring& path) {
    if (nt()) return seam::fails("GetFileAttributesW") ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
    std::string a;
    if (!narrowPath(path, a)) {
        SetLastError(kNoMapping);
        return INVALID_FILE_ATTRIBUTES;
    }
    return seam::fails("GetFileAttributesA") ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(a.c_str());
}

bool moveFile(const std::wstring& from, const std::wstring& to) {
    if (nt()) return !seam::fails("MoveFileW") && MoveFileW(from.c_str(), to.c_str()) != FALSE;
    std::string a;
    std::string b;
    if (!narrowPath(from, a) || !narrowPath(to, b)) {
        SetLastError(kNoMapping);
        return false;
    }
    return !seam::fails("MoveFileA") && MoveFileA(a.c_str(), b.c_str()) != FALSE;
}

bool moveFileOver(const std::wstring& from, const std::wstring& to) {
    // Looked up: 9x lacks it, and an import would keep the program from
    // loading there.
    using MoveFileExFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);
    static const auto move = win32::ntFunction<MoveFileExFn>(L"kernel32.dll", "MoveFileExW");
    if (move == nullptr) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return false;
    }
    if (seam::fails("MoveFileExW")) return false;
    return move(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool writeFile(HANDLE f, std::string_view bytes, DWORD& written) {
    written = 0;
    if (seam::fails("WriteFile")) {
        // A disk that is full takes what fits before it says so.
        const DWORD error = GetLastError();
        if (error == ERROR_DISK_FULL) WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &written, nullptr);
        SetLastError(error);
        return false;
    }
    return WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
}

bool flushFile(HANDLE f) { return !seam::fails("FlushFileBuffers") && FlushFileBuffers(f) != FALSE; }

bool closeFile(HANDLE f) {
    if (seam::fails("CloseHandle")) {
        // The handle goes all the same, as it does when closing fails.
        const DWORD error = GetLastError();
        CloseHandle(f);
        SetLastError(error);
        return false;
    }
    return CloseHandle(f) != FALSE;
}

bool seek(HANDLE f, std::uint64_t offset, DWORD from) {
    if (seam::fails("SetFilePointer")) return false;
    LONG high = static_cast<LONG>(offset >> 32);
    return SetFilePointer(f, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, from) != INVALID_SET_FILE_POINTER ||
           GetLastError() == NO_ERROR;
}

bool readFile(HANDLE f, void* out, DWORD n, DWORD& got) {
    got = 0;
    return !seam::fails("ReadFile") && ReadFile(f, out, n, &got, nullptr) != FALSE;
}

std::optional<std::uint64_t> fileSize(HANDLE f) {
    if (seam::fails("GetFileSize")) return std::nullopt;
    DWORD high = 0;
    const DWORD low = GetFileSize(f, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

std::optional<std::wstring> shortPathName(const std::wstring& path) {
    if (nt()) {
        if (seam::fails("GetShortPathNameW")) return std::nullopt;
        const DWORD need = GetShortPathNameW(path.c_str(), nullptr, 0);
        if (need == 0) return std::nullopt;
        std::wstring out(need, L'\0');
        const DWORD got = GetShortPathNameW(path.c_str(), out.data(), need);
        if (got == 0 || got >= need) return std::nullopt;
        out.resize(got);
        return out;
    }
    std::string a;
    if (!narrowPath(path, a) || seam::fails("GetShortPathNameA")) return std::nullopt;
    const DWORD need = GetShortPathNameA(a.c_str(), nullptr, 0);
    if (need == 0) return std::nullopt;
    std::string out(need, '\0');
    const DWORD got = GetShortPathNameA(a.c_str(), out.data(), need);
    if (got == 0 || got >= need) return std::nullopt;
    out.resize(got);
    return widen(out);
}

std::wstring fullPathName(const std::wstring& path) {
    if (nt()) {
        wchar_t full[MAX_PATH * 4];
        const DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
        return n > 0 && n < MAX_PATH * 4 ? std::wstring(full, n) : path;
    }
    std::string a;
    if (!narrowPath(path, a)) return path;
    char full[MAX_PATH * 2];
    const DWORD n = GetFullPathNameA(a.c_str(), MAX_PATH * 2, full, nullptr);
    return n > 0 && n < MAX_PATH * 2 ? widen(std::string_view(full, n)) : path;
}

std::vector<std::wstring> commandArguments() {
    return splitCommandLine(nt() ? std::wstring(GetCommandLineW()) : widen(GetCommandLineA()));
}

HANDLE createMutex(const std::wstring& name) {
    if (nt()) return CreateMutexW(nullptr, FALSE, name.c_str());
    // 9x has one namespace for all, and no backslash in a name.
    std::wstring plain = name;
    for (const wchar_t* prefix : {L"Local\\", L"Global\\"}) {
        if (plain.rfind(prefix, 0) == 0) plain.erase(0, std::wcslen(prefix));
    }
    return CreateMutexA(nullptr, FALSE, narrow(plain).c_str());
}

HMODULE systemLibrary(const wchar_t* name) {
    if (nt()) {
        HMODULE m = GetModuleHandleW(name);
        return m != nullptr ? m : LoadLibraryW(name);
    }
    const std::string a = narrow(name);
    HMODULE m = GetModuleHandleA(a.c_str());
    return m != nullptr ? m : LoadLibraryA(a.c_str());
}

FARPROC ntFunction(const wchar_t* module, const char* name) {
    if (!nt()) return nullptr;
    HMODULE m = systemLibrary(module);
    return m != nullptr ? GetProcAddress(m, name) : nullptr;
}

std::wstring errorText(DWORD code) {
    constexpr DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    std::wstring out;
    if (nt()) {
        wchar_t* text = nullptr;
        const DWORD n = FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (n != 0 && text != nullptr) out.assign(text, n);
        if (text != nullptr) LocalFree(text);
    } else {
        char* text = nullptr;
        const DWORD n = FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        if (n != 0 && text != nullptr) out = widen(std::string_view(text, n));
        if (text != nullptr) LocalFree(text);
    }
    if (out.empty()) out = L"Error " + decimal(code) + L".";
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' ')) out.pop_back();
    return out;
}

BOOL initCommonControls() {
    // Common controls 4.72, as 98 has them, know the classes but not the
    // flag that version 6 added for the standard ones.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    if (nt()) icc.dwICC |= ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&icc);
}

HINSTANCE shellOpen(const std::wstring& target) {
    // The shell is loaded only when it is asked for: loading it at start-up
    // costs more than making the window.
    using ExecuteW = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    using ExecuteA = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    if (nt()) {
        static const auto execute = systemFunction<ExecuteW>(L"shell32.dll", "ShellExecuteW");
        return execute != nullptr ? execute(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL) : nullptr;
    }
    static const auto execute = systemFunction<ExecuteA>(L"shell32.dll", "ShellExecuteA");
    return execute != nullptr ? execute(nullptr, "open", narrow(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL)
                              : nullptr;
}

void acceptDrops(HWND h) {
    using AcceptFn = void(WINAPI*)(HWND, BOOL);
    if (auto accept = systemFunction<AcceptFn>(L"shell32.dll", "DragAcceptFiles")) accept(h, TRUE);
}

std::vector<std::wstring> droppedFiles(HDROP drop) {
    using QueryW = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
    using QueryA = UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT);
    using FinishFn = void(WINAPI*)(HDROP);
    static const auto queryW = nt() ? systemFunction<QueryW>(L"shell32.dll", "DragQueryFileW") : nullptr;
    static const auto queryA = nt() ? nullptr : systemFunction<QueryA>(L"shell32.dll", "DragQueryFileA");
    static const auto finish = systemFunction<FinishFn>(L"shell32.dll", "DragFinish");
    std::vector<std::wstring> paths;
    if (queryW != nullptr) {
        const UINT count = queryW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(queryW(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(queryW(drop, i, path.data(), static_cast<UINT>(path.size())));
            if (!path.empty()) paths.push_back(std::move(path));
        }
    } else if (queryA != nullptr) {
        const UINT count = queryA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::string path(queryA(drop, i, nullptr, 0) + 1, '\0');
            path.resize(queryA(drop, i, path.data(), static_cast<UINT>(path.size())));
            if (!path.empty()) paths.push_back(widen(path));
        }
    }
    if (finish != nullptr) finish(drop);
    return paths;
}

}  // namespace corvane::win32::api

// The C++ runtime's one wide call: its mutexes each make an unnamed
// semaphore with CreateSemaphoreW, which 9x only stubs. Its import is bound
// here instead, to the ANSI function, which makes the same unnamed semaphore
// on every system.
extern "C" {

static HANDLE WINAPI corvaneCreateSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG most, LPCWSTR name) {
    if (name != nullptr) {
        SetLastError(ERROR_INVALID_NAME);  // the runtime names none
        return nullptr;
    }
    return CreateSemaphoreA(security, initial, most, nullptr);
}

#if defined(__i386__)
void* corvaneCreateSemaphoreImport __asm__("__imp__CreateSemaphoreW@16") =
    reinterpret_cast<void*>(&corvaneCreateSemaphore);
#else
void* corvaneCreateSemaphoreImport __asm__("__imp_CreateSemaphoreW") = reinterpret_cast<void*>(&corvaneCreateSemaphore);
#endif

}  // extern "C"
