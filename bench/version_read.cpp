// Reads the FileVersion of a 50 MiB PE file whose version resource lies at
// its end, and prints the bytes read and the time taken.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "drivers/file_version.h"
#include "drivers/version_reader.h"
#include "support/code_pages.h"
#include "support/images.h"

using namespace corvane;

namespace {

class CountingFile final : public ByteSource {
public:
    explicit CountingFile(const char* path) : f_(std::fopen(path, "rb")) {}
    ~CountingFile() override {
        if (f_ != nullptr) std::fclose(f_);
    }
    std::uint64_t size() const override {
        std::fseek(f_, 0, SEEK_END);
        return static_cast<std::uint64_t>(std::ftell(f_));
    }
    std::size_t readAt(std::uint64_t offset, void* out, std::size_t n) override {
        if (std::fseek(f_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
        const std::size_t got = std::fread(out, 1, n, f_);
        bytes += got;
        ++reads;
        return got;
    }
    static inline std::uint64_t bytes = 0;
    static inline int reads = 0;

private:
    std::FILE* f_;
};

}  // namespace

int main() {
    const char* path = "/tmp/corvane-bench-50mib.dll";
    const std::string wide = test::serialize32(
        test::versionInfo({{"040904B0", {{"FileVersion", u"1.00.0035"}}}}, {0x04B00409}));
    const std::string image = test::peImage({{0x0409, wide}}, {.padding = 50u << 20});
    std::FILE* out = std::fopen(path, "wb");
    std::fwrite(image.data(), 1, image.size(), out);
    std::fclose(out);

    const Windows1252 cp;
    const auto start = std::chrono::steady_clock::now();
    constexpr int kRounds = 1000;
    std::wstring version;
    for (int i = 0; i < kRounds; ++i) {
        // A fresh reader each round: nothing is kept between files.
        VersionReader reader([&](const std::wstring&) { return std::make_unique<CountingFile>(path); }, cp);
        const std::uint32_t size = reader.size(L"f");
        std::vector<std::uint8_t> block(size + 1, 0);
        reader.read(L"f", block);
        std::size_t at = 0;
        std::uint32_t length = 0;
        reader.query(block, "\\VarFileInfo\\Translation", at, length);
        const std::string t = bytesAt(block, at, length);
        reader.query(block, "\\StringFileInfo\\" + translationKey(t) + "\\FileVersion", at, length);
        version = stringAt(block, at, cp);
    }
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    std::printf("file: %zu bytes, its version resource in the last section\n", image.size());
    std::printf("FileVersion: %ls\n", version.c_str());
    std::printf("bytes read per file: %llu in %d reads (limit 65536)\n",
                static_cast<unsigned long long>(CountingFile::bytes / kRounds), CountingFile::reads / kRounds);
    std::printf("time per file: %.1f us\n", us / kRounds);
    std::remove(path);
    return CountingFile::bytes / kRounds < 65536 ? 0 : 1;
}
