// libFuzzer target: any bytes as the block another program hands over in a
// WM_COPYDATA message. Every path taken is non-empty and lies in the block,
// in order; and any list of paths made into a block comes back as that list.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "platform/path_block.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the tag: ours, or another program's.
    const std::uint64_t tag = size > 0 && data[0] % 4 == 0 ? 0x12345678u : kPathBlockTag;
    const std::uint8_t* block = size > 0 ? data + 1 : data;
    const std::size_t bytes = size > 0 ? size - 1 : 0;
    const std::vector<std::wstring> paths = pathsInBlock(tag, block, bytes);
    if (tag != kPathBlockTag && !paths.empty()) std::abort();
    const std::wstring text = fuzz::wide(block, bytes);
    std::size_t at = 0;
    for (const std::wstring& p : paths) {
        if (p.empty() || p.find(L'\0') != std::wstring::npos) std::abort();
        const std::size_t found = text.find(p, at);
        if (found == std::wstring::npos) std::abort();
        at = found + p.size();
    }

    // Paths of the input's text, without zeros, made into a block.
    std::vector<std::wstring> sent;
    for (const std::wstring& p : fuzz::pieces(text, L'\0')) {
        if (!p.empty()) sent.push_back(p);
    }
    const std::vector<std::uint8_t> made = pathBlock(sent);
    if (made.size() <= kPathBlockMostBytes && pathsInBlock(kPathBlockTag, made.data(), made.size()) != sent) std::abort();
    return 0;
}
