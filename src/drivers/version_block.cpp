#include "drivers/version_block.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/names.h"

namespace corvane {

namespace {

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::size_t align4(std::size_t base, std::size_t at) { return base + ((at - base + 3) & ~std::size_t{3}); }

// One block: wLength, wValueLength, [wType,] key, value, children.
struct Node {
    std::size_t start = 0;
    std::size_t end = 0;  // start + wLength
    std::size_t keyStart = 0;
    std::size_t keyEnd = 0;  // the key's terminating zero
    std::size_t value = 0;
    std::uint16_t valueLength = 0;
    bool text = false;
    std::size_t children = 0;
};

// Reads the block at `start`, which must end by `limit`. nullopt for a block
// too short for its own header, running past `limit`, or whose key has no
// terminating zero inside it.
std::optional<Node> readNode(const std::vector<std::uint8_t>& b, std::size_t start, std::size_t limit, bool wide) {
    const std::size_t header = wide ? 6 : 4;
    if (start + header > limit) return std::nullopt;
    Node n;
    n.start = start;
    const std::uint16_t length = le16(b, start);
    if (length < header || start + length > limit) return std::nullopt;
    n.end = start + length;
    n.valueLength = le16(b, start + 2);
    n.text = wide && le16(b, start + 4) != 0;
    n.keyStart = start + header;
    const std::size_t unit = wide ? 2 : 1;
    std::size_t k = n.keyStart;
    while (k + unit <= n.end && (wide ? le16(b, k) : b[k]) != 0) k += unit;
    if (k + unit > n.end) return std::nullopt;
    n.keyEnd = k;
    n.value = align4(start, k + unit);
    const std::size_t valueBytes = std::size_t{n.valueLength} * (n.text ? 2 : 1);
    n.children = align4(start, n.value + valueBytes);
    return n;
}

bool keyIs(const std::vector<std::uint8_t>& b, const Node& n, bool wide, std::string_view part,
           const CodePageService& cp) {
    std::wstring key;
    if (wide) {
        for (std::size_t at = n.keyStart; at < n.keyEnd; at += 2) key += static_cast<wchar_t>(le16(b, at));
    } else {
        key = cp.decode(std::string_view(reinterpret_cast<const char*>(b.data()) + n.keyStart, n.keyEnd - n.keyStart));
    }
    return equalNoCase(key, cp.decode(part));
}

std::optional<Node> findChild(const std::vector<std::uint8_t>& b, const Node& parent, bool wide, std::string_view part,
                              const CodePageService& cp) {
    std::size_t at = parent.children;
    while (at < parent.end) {
        const auto child = readNode(b, at, parent.end, wide);
        if (!child) return std::nullopt;
        if (keyIs(b, *child, wide, part, cp)) return child;
        at = align4(at, child->end);
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> stringTables(const std::vector<std::uint8_t>& block, const CodePageService& codePage) {
    std::vector<std::string> keys;
    if (block.size() < 2) return keys;
    const bool wide = !is16BitBlock(block);
    const auto root = readNode(block, 0, std::min<std::size_t>(block.size(), le16(block, 0)), wide);
    if (!root) return keys;
    const auto tables = findChild(block, *root, wide, "StringFileInfo", codePage);
    if (!tables) return keys;
    for (std::size_t at = tables->children; at < tables->end;) {
        const auto table = readNode(block, at, tables->end, wide);
        if (!table) break;
        std::string key;
        for (std::size_t k = table->keyStart; k < table->keyEnd; k += wide ? 2 : 1) {
            const unsigned c = wide ? le16(block, k) : block[k];
            key += c < 0x80 ? static_cast<char>(c) : '?';  // the keys are hexadecimal digits
        }
        keys.push_back(std::move(key));
        at = align4(at, table->end);
    }
    return keys;
}

bool is16BitBlock(const std::vector<std::uint8_t>& block) { return block.size() > 4 && block[4] >= 0x20; }

std::size_t versionBlockSize(const std::vector<std::uint8_t>& resource, bool fromNe) {
    if (fromNe || is16BitBlock(resource)) return resource.size();
    return resource.size() * 2 + 4;
}

bool queryVersionValue(std::vector<std::uint8_t>& block, std::size_t resourceSize, std::string_view subBlock,
                       const CodePageService& codePage, std::size_t& offset, std::uint32_t& length) {
    resourceSize = std::min(resourceSize, block.size());
    const bool wide = !is16BitBlock(block);
    auto node = readNode(block, 0, resourceSize, wide);
    if (!node) return false;
    const std::uint16_t rootLength = le16(block, 0);
    std::size_t pos = 0;
    while (pos < subBlock.size()) {
        std::size_t slash = subBlock.find('\\', pos);
        if (slash == std::string_view::npos) slash = subBlock.size();
        if (slash > pos) {
            node = findChild(block, *node, wide, subBlock.substr(pos, slash - pos), codePage);
            if (!node) return false;
        }
        pos = slash + 1;
    }
    std::size_t value = node->value;
    // An empty value at the block's very end points at its key's zero.
    if (value >= node->end) value = node->keyEnd;
    offset = value;
    length = node->valueLength;
    if (!wide || !node->text) return true;

    // Text of a 32-bit block: converted into the room after the resource,
    // at the same distance from it as the value has from the block's start.
    std::wstring text;
    for (std::size_t i = 0; i < node->valueLength && value + 2 * i + 2 <= resourceSize; ++i) {
        text += static_cast<wchar_t>(le16(block, value + 2 * i));
    }
    const std::string ansi = codePage.encodeLossy(text);
    const std::size_t target = std::size_t{rootLength} + 4 + value;
    const std::size_t room = rootLength > value ? rootLength - value : 0;
    offset = std::min(target, block.size());
    if (ansi.size() > room || target + ansi.size() > block.size()) {
        length = 0;  // no room: the system's conversion fails the same way
        return true;
    }
    std::copy(ansi.begin(), ansi.end(), block.begin() + static_cast<std::ptrdiff_t>(target));
    length = static_cast<std::uint32_t>(ansi.size());
    return true;
}

}  // namespace corvane
