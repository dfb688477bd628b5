#include "platform/win32/file_source.h"

#include "platform/win32/api.h"

namespace corvane::win32 {

namespace {

class HandleSource final : public ByteSource {
public:
    explicit HandleSource(HANDLE h) : h_(h) {}
    ~HandleSource() override { api::closeFile(h_); }
    HandleSource(const HandleSource&) = delete;
    HandleSource& operator=(const HandleSource&) = delete;

    // A size that can't be had reads as an empty file.
    std::uint64_t size() const override { return api::fileSize(h_).value_or(0); }
    std::size_t readAt(std::uint64_t offset, void* out, std::size_t n) override {
        DWORD got = 0;
        if (!api::seek(h_, offset, FILE_BEGIN) || !api::readFile(h_, out, static_cast<DWORD>(n), got)) return 0;
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
