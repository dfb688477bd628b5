// The file store: how the program writes a file so that a target is never
// left half-written, and the names of the files the writing makes beside
// it, all in one place. The real store is platform/win32/disk_files.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Outcome of a file operation: empty on success, otherwise the reason in
// words a user can act on.
struct FileStatus {
    std::wstring error;
    bool ok() const { return error.empty(); }
};

// The start of a file, read to tell what it holds.
struct FileStart {
    bool found = false;  // false where no file has that name and nothing failed
    std::string bytes;   // at most the bytes asked for
    bool whole = false;  // the file holds no more than `bytes`
    std::wstring error;  // why it could not be read; empty when it was
};

// Writes files so that a target is never left half-written: content goes
// into a fresh temporary file beside the target, which then replaces it.
class FileStore {
public:
    virtual ~FileStore() = default;
    // At most `most` bytes from the start of the file at `path`: one open and
    // one read. A folder, a device or anything but a file is an error.
    virtual FileStart readStart(const std::wstring& path, std::size_t most) = 0;
    // Creates a new empty file in `folder`; its path goes to `path`.
    virtual FileStatus createTemp(const std::wstring& folder, std::wstring& path) = 0;
    virtual FileStatus append(const std::wstring& path, std::string_view bytes) = 0;
    // Moves `from` over `to`, which may exist. Where the system renames over
    // a file in one step, `to` holds its old bytes or the new ones at every
    // moment. Where it can't (9x), the old file steps aside first: for a
    // moment the name is empty, with both files whole beside it; should the
    // old one then not go back, the error says where it is kept, and
    // recover() puts it back.
    virtual FileStatus replace(const std::wstring& from, const std::wstring& to) = 0;
    virtual void remove(const std::wstring& path) = 0;
    // Puts right what earlier writes left where they were cut short (the
    // machine stopped, a delete failed): removes their temporary files in
    // the target's folder (the names isWriteTempName tells) that begin with
    // `written`, what every such write begins with, or with a part of it
    // (nothing at all too), so that a user's file of such a name stays; and
    // puts the target's old
    // file back where one was left aside without it, or removes it beside
    // it. An error when the old file can't go back.
    virtual FileStatus recover(const std::wstring& target, std::string_view written) = 0;
};

// The files that writing a batch file makes beside it. The new text goes
// into a temporary file that the system names: this prefix, one to four
// hexadecimal digits and ".tmp"; isWriteTempName is true for such names.
inline constexpr const wchar_t* kWriteTempPrefix = L"cvn";
bool isWriteTempName(std::wstring_view name);
// Where the old file waits while the new one takes its place, on systems
// that can't replace a file in one step: its own path with ".cvo" added, so
// that the next write of that file finds it, whatever cut the last one short.
std::wstring asideName(std::wstring_view target);

}  // namespace corvane
