#include "platform/win32/disk_files.h"

#include "platform/names.h"
#include "platform/win32/api.h"

namespace corvane::win32 {

namespace {

FileStatus failure(DWORD code) { return {errorText(code)}; }

bool exists(const std::wstring& path) { return api::fileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

// Said where the old file could not go back under its name.
FileStatus keptAside(DWORD code, const std::wstring& aside) {
    FileStatus s = failure(code);
    s.error += L"\n\nThe old file is kept as " + aside + L"; the next Make puts it back first.";
    return s;
}

}  // namespace

FileStart Files::readStart(const std::wstring& path, std::size_t most) {
    FileStart out;
    const DWORD attributes = api::fileAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) out.error = errorText(code);
        out.found = !out.error.empty();
        return out;
    }
    out.found = true;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        out.error = L"A folder has this name.";
        return out;
    }
    HANDLE f = api::createFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL);
    if (f == INVALID_HANDLE_VALUE) {
        out.error = errorText(GetLastError());
        return out;
    }
    // A device answers to a file's name too; it is never read, as it may wait for input.
    if (GetFileType(f) != FILE_TYPE_DISK) {
        out.error = L"A device has this name.";
    } else {
        out.bytes.resize(most + 1);
        DWORD got = 0;
        if (api::readFile(f, out.bytes.data(), static_cast<DWORD>(out.bytes.size()), got)) {
            out.whole = got <= most;
            out.bytes.resize(got < most ? got : most);
        } else {
            out.error = errorText(GetLastError());
            out.bytes.clear();
        }
    }
    api::closeFile(f);
    return out;
}

FileStatus Files::createTemp(const std::wstring& folder, std::wstring& path) {
    const DWORD code = api::tempFileName(folder.empty() ? L"." : folder, kWriteTempPrefix, path);
    return code == 0 ? FileStatus{} : failure(code);
}

FileStatus Files::append(const std::wstring& path, std::string_view bytes) {
    HANDLE f = api::createFile(path, GENERIC_WRITE, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (f == INVALID_HANDLE_VALUE) return failure(GetLastError());
    DWORD code = ERROR_SUCCESS;
    DWORD written = 0;
    if (!api::seek(f, 0, FILE_END) || !api::writeFile(f, bytes, written)) code = GetLastError();
    if (code == ERROR_SUCCESS && written != bytes.size()) code = ERROR_DISK_FULL;
    if (code == ERROR_SUCCESS && !api::flushFile(f)) code = GetLastError();
    if (!api::closeFile(f) && code == ERROR_SUCCESS) code = GetLastError();
    return code == ERROR_SUCCESS ? FileStatus{} : failure(code);
}

FileStatus Files::replace(const std::wstring& from, const std::wstring& to) {
    // Neither a folder nor a read-only file is replaced, as MoveFileEx
    // refuses them on Windows (Wine's replaces a read-only one).
    const DWORD attributes = api::fileAttributes(to);
    const bool there = attributes != INVALID_FILE_ATTRIBUTES;
    if (!there && GetLastError() != ERROR_FILE_NOT_FOUND) return failure(GetLastError());
    if (there && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return failure(ERROR_ACCESS_DENIED);
    }
    if (api::moveFileOver(from, to)) return {};
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return failure(GetLastError());
    if (!there) return api::moveFile(from, to) ? FileStatus{} : failure(GetLastError());
    // 9x has no rename over a file. The new file is whole and flushed; the
    // old one steps aside under its own name with ".cvo" added, the new one
    // takes its place, and only then is the old one deleted. Should the new
    // one not move, the old one goes back; should that fail too, the user is
    // told where it is, and the next write of this file puts it back.
    const std::wstring aside = asideName(to);
    if (!api::moveFile(to, aside)) return failure(GetLastError());
    if (!api::moveFile(from, to)) {
        const DWORD code = GetLastError();
        return api::moveFile(aside, to) ? failure(code) : keptAside(code, aside);
    }
    api::deleteFile(aside);  // should it stay, the next write of this file removes it
    return {};
}

void Files::remove(const std::wstring& path) { api::deleteFile(path); }

FileStatus Files::recover(const std::wstring& target, std::string_view written) {
    // The new texts of writes cut short: never the only copy of anything.
    const std::wstring folder = folderOf(target);
    std::vector<std::wstring> names;
    api::FileSearch search(folder + kWriteTempPrefix + L"*.tmp");
    if (search.found()) {
        do {
            if ((search.attributes() & FILE_ATTRIBUTE_DIRECTORY) == 0 && isWriteTempName(search.name())) {
                names.emplace_back(search.name());
            }
        } while (search.next());
    }
    // Told by what they hold: nothing is removed where that is not known.
    for (const std::wstring& n : written.empty() ? std::vector<std::wstring>() : names) {
        const FileStart start = readStart(folder + n, written.size());
        // Cut short, a write may have left a part of what it begins with.
        if (start.found && written.starts_with(start.bytes)) api::deleteFile(folder + n);
    }
    // The old file set aside: stale beside the file, its only copy without it.
    const std::wstring aside = asideName(target);
    if (!exists(aside)) return {};
    if (exists(target)) {
        api::deleteFile(aside);
        return {};
    }
    return api::moveFile(aside, target) ? FileStatus{} : keptAside(GetLastError(), aside);
}

}  // namespace corvane::win32
