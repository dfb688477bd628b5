#include "platform/win32/system_services.h"

#include <algorithm>

#include "platform/names.h"
#include "platform/wrap.h"
#include "platform/win32/api.h"
#include "platform/win32/hand_over.h"

namespace corvane::win32 {

int MessageBoxes::show(const std::wstring& prompt, int buttons, const std::wstring& title) {
    // Owned by the active window of this thread, so the box is modal to it.
    const std::wstring fitted = breakLongRuns(prompt);
    return api::messageBox(GetActiveWindow(), fitted.c_str(), title.c_str(), static_cast<UINT>(buttons));
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

std::wstring Folders::systemFolder() { return api::systemDirectory(); }

std::vector<std::wstring> Folders::drives() {
    std::vector<std::wstring> out;
    const DWORD present = api::logicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if ((present >> (letter - L'A') & 1u) != 0) out.push_back(std::wstring(1, letter) + L":\\");
    }
    return out;
}

// Name by name from the drive's root, each as the system finds it: asked for
// a short name, it answers with the long one.
std::optional<std::wstring> Folders::longPath(const std::wstring& path) {
    if (path.size() < 3 || path[1] != L':' || path[2] != L'\\' || path.find_first_of(L"*?") != std::wstring::npos) {
        return std::nullopt;
    }
    std::wstring out = path.substr(0, 3);
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    bool found = true;
    for (std::size_t start = 3; found && start < path.size();) {
        const std::size_t end = std::min(path.find(L'\\', start), path.size());
        const std::wstring part = path.substr(start, end - start);
        if (part == L"." || part == L"..") found = false;
        if (found && !part.empty()) {
            api::FileSearch search(joinPath(out, part));
            found = search.found();
            if (found) out = joinPath(out, search.name());
        }
        start = end + 1;
    }
    SetErrorMode(oldMode);
    return found ? std::optional(out) : std::nullopt;
}

std::optional<std::string> SystemCodePage::encode(std::wstring_view text) const {
    if (text.empty()) return std::string();
    const int n = static_cast<int>(text.size());
    const UINT cp = number();
    // Code pages such as UTF-8 take no "default character used" flag; the
    // round trip below catches a lossy conversion for every code page.
    const bool flagged = cp != CP_UTF8 && cp != CP_UTF7;
    BOOL lossy = FALSE;
    DWORD flags = flagged ? WC_NO_BEST_FIT_CHARS : 0;
    int size = WideCharToMultiByte(which_, flags, text.data(), n, nullptr, 0, nullptr, flagged ? &lossy : nullptr);
    if (size <= 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        // Older systems know no such flag; the round trip serves.
        flags = 0;
        size = WideCharToMultiByte(which_, flags, text.data(), n, nullptr, 0, nullptr, flagged ? &lossy : nullptr);
    }
    if (size <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(which_, flags, text.data(), n, out.data(), size, nullptr, flagged ? &lossy : nullptr);
    if (lossy || decode(out) != text) return std::nullopt;
    return out;
}

std::string SystemCodePage::encodeLossy(std::wstring_view text) const {
    if (text.empty()) return {};
    const int n = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(which_, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(which_, 0, text.data(), n, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring SystemCodePage::decode(std::string_view bytes) const {
    if (bytes.empty()) return {};
    const int n = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(which_, 0, bytes.data(), n, nullptr, 0);
    if (size <= 0) return {};
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(which_, 0, bytes.data(), n, out.data(), size);
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

std::optional<std::wstring> Shell::linkTarget(const std::wstring& link) { return api::linkTarget(link); }

}  // namespace corvane::win32
