#include "platform/win32/services.h"

#include "platform/win32/hand_over.h"

namespace corvane::win32 {

namespace {

FileStatus failure(DWORD code) { return {errorText(code)}; }

}  // namespace

int MessageBoxes::show(const std::wstring& prompt, int buttons, const std::wstring& title) {
    // Owned by the active window of this thread, so the box is modal to it.
    return MessageBoxW(GetActiveWindow(), prompt.c_str(), title.c_str(), static_cast<UINT>(buttons));
}

std::optional<std::vector<DirEntry>> Folders::list(const std::wstring& folder) {
    std::wstring pattern = folder;
    if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data;
    // No message box for a drive that is not ready.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    // The basic information level (no short names) and large fetches came
    // with Windows 7; older systems refuse them, and the plain call serves.
    HANDLE find = FindFirstFileExW(pattern.c_str(), static_cast<FINDEX_INFO_LEVELS>(1), &data, FindExSearchNameMatch,
                                   nullptr, 2);
    if (find == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER) {
        find = FindFirstFileW(pattern.c_str(), &data);
    }
    SetErrorMode(oldMode);
    if (find == INVALID_HANDLE_VALUE) {
        // An empty drive root has nothing to find but is readable.
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<DirEntry>{};
        return std::nullopt;
    }
    std::vector<DirEntry> out;
    do {
        const wchar_t* n = data.cFileName;
        if (n[0] == L'.' && (n[1] == 0 || (n[1] == L'.' && n[2] == 0))) continue;
        const DWORD a = data.dwFileAttributes;
        out.push_back({n, (a & FILE_ATTRIBUTE_DIRECTORY) != 0, (a & FILE_ATTRIBUTE_HIDDEN) != 0,
                       (a & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (FindNextFileW(find, &data));
    const DWORD last = GetLastError();
    FindClose(find);
    if (last != ERROR_NO_MORE_FILES) return std::nullopt;
    return out;
}

std::optional<std::wstring> Folders::shortName(const std::wstring& path) {
    const DWORD need = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (need == 0) return std::nullopt;
    std::wstring out(need, L'\0');
    const DWORD got = GetShortPathNameW(path.c_str(), out.data(), need);
    if (got == 0 || got >= need) return std::nullopt;
    out.resize(got);
    const std::size_t cut = out.find_last_of(L"\\/");
    return cut == std::wstring::npos ? out : out.substr(cut + 1);
}

FileStatus Files::createTemp(const std::wstring& folder, std::wstring& path) {
    wchar_t name[MAX_PATH + 16];
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"cvn", 0, name) == 0) return failure(GetLastError());
    path = name;
    return {};
}

FileStatus Files::append(const std::wstring& path, std::string_view bytes) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return failure(GetLastError());
    DWORD code = ERROR_SUCCESS;
    if (SetFilePointer(f, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
        code = GetLastError();
    }
    DWORD written = 0;
    if (code == ERROR_SUCCESS && !WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        code = GetLastError();
    }
    if (code == ERROR_SUCCESS && written != bytes.size()) code = ERROR_DISK_FULL;
    if (code == ERROR_SUCCESS && !FlushFileBuffers(f)) code = GetLastError();
    if (!CloseHandle(f) && code == ERROR_SUCCESS) code = GetLastError();
    return code == ERROR_SUCCESS ? FileStatus{} : failure(code);
}

FileStatus Files::replace(const std::wstring& from, const std::wstring& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return failure(GetLastError());
    }
    return {};
}

void Files::remove(const std::wstring& path) { DeleteFileW(path.c_str()); }

std::optional<std::string> AnsiCodePage::encode(std::wstring_view text) const {
    if (text.empty()) return std::string();
    const int n = static_cast<int>(text.size());
    const UINT cp = GetACP();
    // Code pages such as UTF-8 take no "default character used" flag; the
    // round trip below catches a lossy conversion for every code page.
    const bool flagged = cp != CP_UTF8 && cp != CP_UTF7;
    BOOL lossy = FALSE;
    const DWORD flags = flagged ? WC_NO_BEST_FIT_CHARS : 0;
    const int size = WideCharToMultiByte(CP_ACP, flags, text.data(), n, nullptr, 0, nullptr, flagged ? &lossy : nullptr);
    if (size <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), n, out.data(), size, nullptr, flagged ? &lossy : nullptr);
    if (lossy || decode(out) != text) return std::nullopt;
    return out;
}

std::string AnsiCodePage::encodeLossy(std::wstring_view text) const {
    if (text.empty()) return {};
    const int n = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), n, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring AnsiCodePage::decode(std::string_view bytes) const {
    if (bytes.empty()) return {};
    const int n = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), n, nullptr, 0);
    if (size <= 0) return {};
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), n, out.data(), size);
    return out;
}

bool SingleInstance::previousRunning() {
    if (mutex_ == nullptr) {
        mutex_ = CreateMutexW(nullptr, FALSE, L"Local\\Corvane.SingleInstance.1");
        if (mutex_ == nullptr) return false;
        return GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return false;
}

void SingleInstance::handOver(const std::wstring& caption, const std::vector<std::wstring>& paths) {
    handOverPaths(caption, paths);
}

SingleInstance::~SingleInstance() {
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

void Program::end() { ExitProcess(0); }

std::intptr_t Shell::open(const std::wstring& target) {
    // The shell is loaded only when it is asked for: loading it at start-up
    // costs more than making the window.
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static const auto execute = systemFunction<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
    if (execute == nullptr) return 0;
    return reinterpret_cast<std::intptr_t>(execute(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace corvane::win32
