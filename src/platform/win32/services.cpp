#include "platform/win32/services.h"

#include "platform/names.h"
#include "platform/win32/api.h"
#include "platform/win32/hand_over.h"

namespace corvane::win32 {

namespace {

FileStatus failure(DWORD code) { return {errorText(code)}; }

}  // namespace

int MessageBoxes::show(const std::wstring& prompt, int buttons, const std::wstring& title) {
    // Owned by the active window of this thread, so the box is modal to it.
    return api::messageBox(GetActiveWindow(), prompt, title, static_cast<UINT>(buttons));
}

std::optional<std::vector<DirEntry>> Folders::list(const std::wstring& folder) {
    std::wstring pattern = folder;
    if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    // No message box for a drive that is not ready.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    api::FileSearch search(pattern);
    SetErrorMode(oldMode);
    // An empty drive root has nothing to find but is readable.
    if (!search.found()) {
        if (search.error() == ERROR_FILE_NOT_FOUND) return std::vector<DirEntry>{};
        return std::nullopt;
    }
    std::vector<DirEntry> out;
    do {
        const wchar_t* n = search.name();
        if (n[0] == L'.' && (n[1] == 0 || (n[1] == L'.' && n[2] == 0))) continue;
        const DWORD a = search.attributes();
        out.push_back({n, (a & FILE_ATTRIBUTE_DIRECTORY) != 0, (a & FILE_ATTRIBUTE_HIDDEN) != 0,
                       (a & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (search.next());
    if (search.error() != ERROR_NO_MORE_FILES) return std::nullopt;
    return out;
}

std::optional<std::wstring> Folders::shortName(const std::wstring& path) {
    std::optional<std::wstring> out = api::shortPathName(path);
    if (!out) return std::nullopt;
    const std::size_t cut = out->find_last_of(L"\\/");
    return cut == std::wstring::npos ? *out : out->substr(cut + 1);
}

FileStatus Files::createTemp(const std::wstring& folder, std::wstring& path) {
    const DWORD code = api::tempFileName(folder.empty() ? L"." : folder, L"cvn", path);
    return code == 0 ? FileStatus{} : failure(code);
}

FileStatus Files::append(const std::wstring& path, std::string_view bytes) {
    HANDLE f = api::createFile(path, GENERIC_WRITE, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
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
    const DWORD code = api::replaceFile(from, to);
    return code == 0 ? FileStatus{} : failure(code);
}

void Files::remove(const std::wstring& path) { api::deleteFile(path); }

void Files::removeLeftovers(const std::wstring& folder) {
    const std::wstring base = folder.empty() || folder.back() == L'\\' ? folder : folder + L'\\';
    for (const wchar_t* prefix : {L"cvn", L"cvo"}) {
        std::vector<std::wstring> names;
        api::FileSearch search(base + prefix + L"*.tmp");
        if (search.found()) {
            do {
                if ((search.attributes() & FILE_ATTRIBUTE_DIRECTORY) == 0 && isWriteTempName(search.name())) {
                    names.emplace_back(search.name());
                }
            } while (search.next());
        }
        for (const std::wstring& n : names) api::deleteFile(base + n);
    }
}

std::optional<std::string> AnsiCodePage::encode(std::wstring_view text) const {
    if (text.empty()) return std::string();
    const int n = static_cast<int>(text.size());
    const UINT cp = GetACP();
    // Code pages such as UTF-8 take no "default character used" flag; the
    // round trip below catches a lossy conversion for every code page.
    const bool flagged = cp != CP_UTF8 && cp != CP_UTF7;
    BOOL lossy = FALSE;
    DWORD flags = flagged ? WC_NO_BEST_FIT_CHARS : 0;
    int size = WideCharToMultiByte(CP_ACP, flags, text.data(), n, nullptr, 0, nullptr, flagged ? &lossy : nullptr);
    if (size <= 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        // Older systems know no such flag; the round trip serves.
        flags = 0;
        size = WideCharToMultiByte(CP_ACP, flags, text.data(), n, nullptr, 0, nullptr, flagged ? &lossy : nullptr);
    }
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
        mutex_ = api::createMutex(L"Local\\Corvane.SingleInstance.1");
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
    return reinterpret_cast<std::intptr_t>(api::shellOpen(target));
}

}  // namespace corvane::win32
