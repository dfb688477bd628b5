// Files and folders: the program's only way to the file system, each call
// open to the fault seam of the test builds.
#include "platform/win32/api/family.h"

#include <algorithm>

namespace corvane::win32::api {

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
    // The name is read within MAX_PATH characters, whatever the system
    // wrote: Wine's leaves a name that fills the buffer without its end.
    if (nt()) {
        wchar_t name[MAX_PATH + 16] = {};
        if (seam::fails("GetTempFileNameW") || GetTempFileNameW(folder.c_str(), prefix, 0, name) == 0) {
            return GetLastError();
        }
        const wchar_t* end = std::find(name, name + MAX_PATH, L'\0');
        if (end == name + MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
        path.assign(name, static_cast<std::size_t>(end - name));
    } else {
        std::string a;
        if (!narrowPath(folder, a)) return kNoMapping;
        char name[MAX_PATH + 16] = {};
        if (seam::fails("GetTempFileNameA") || GetTempFileNameA(a.c_str(), narrow(prefix).c_str(), 0, name) == 0) {
            return GetLastError();
        }
        const char* end = std::find(name, name + MAX_PATH, '\0');
        if (end == name + MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
        path = widen(std::string(name, static_cast<std::size_t>(end - name)));
    }
    // Wine's answers a name even where it could make no file there (a folder
    // or a drive that can't be written), and the reason is lost: the file is
    // then made here, where the system says why it can't be.
    if (fileAttributes(path) != INVALID_FILE_ATTRIBUTES) return 0;
    if (GetLastError() != ERROR_FILE_NOT_FOUND) return GetLastError();
    HANDLE f = createFile(path, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
    if (f == INVALID_HANDLE_VALUE) return GetLastError();
    return closeFile(f) ? 0 : GetLastError();
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

DWORD logicalDrives() { return seam::fails("GetLogicalDrives") ? 0 : GetLogicalDrives(); }

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

}  // namespace corvane::win32::api
