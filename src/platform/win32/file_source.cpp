#include "platform/win32/file_source.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

namespace {

class HandleSource final : public ByteSource {
public:
    explicit HandleSource(HANDLE h) : h_(h) {}
    ~HandleSource() override { CloseHandle(h_); }
    HandleSource(const HandleSource&) = delete;
    HandleSource& operator=(const HandleSource&) = delete;

    std::uint64_t size() const override {
        DWORD high = 0;
        const DWORD low = GetFileSize(h_, &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 0;
        return (static_cast<std::uint64_t>(high) << 32) | low;
    }
    std::size_t readAt(std::uint64_t offset, void* out, std::size_t n) override {
        LONG high = static_cast<LONG>(offset >> 32);
        if (SetFilePointer(h_, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
            GetLastError() != NO_ERROR) {
            return 0;
        }
        DWORD got = 0;
        if (!ReadFile(h_, out, static_cast<DWORD>(n), &got, nullptr)) return 0;
        return got;
    }

private:
    HANDLE h_;
};

}  // namespace

std::unique_ptr<ByteSource> openFile(const std::wstring& path) {
    // No message box for a drive that is not ready.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    HANDLE h = api::createFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0);
    SetErrorMode(oldMode);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<HandleSource>(h);
}

}  // namespace corvane::win32
