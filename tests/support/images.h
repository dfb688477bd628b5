// Builders of version resources and of the PE and NE files that carry them,
// for tests that need files of chosen shape, sound or broken.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

// One block of a version resource.
struct VNode {
    std::string key;
    std::string value;          // raw bytes of the value
    std::uint16_t valueLength;  // as stored: characters for text, bytes otherwise
    bool text = false;
    std::vector<VNode> children;
};

// A text value of a 32-bit block: UTF-16 with its terminating zero.
VNode textValue(const std::string& key, const std::u16string& text);
// A text value of a 16-bit block: ANSI bytes with the terminating zero.
VNode ansiValue(const std::string& key, const std::string& text);

struct StringTable {
    std::string key;  // "040904B0"
    std::vector<std::pair<std::string, std::u16string>> strings;
};

// VS_VERSION_INFO with the given string tables and translation entries
// (each language in the low word, code page in the high word).
VNode versionInfo(const std::vector<StringTable>& tables, const std::vector<std::uint32_t>& translations,
                  bool wide = true);

std::string serialize32(const VNode& node);
std::string serialize16(const VNode& node);

struct PeResource {
    std::uint16_t language;
    std::string data;
};

struct PeOptions {
    bool pe32plus = false;
    std::size_t padding = 0;  // bytes of a section placed before the resources
    std::string data = {};    // that section's bytes, where not `padding` filler bytes
    std::vector<std::string> imports = {};  // the DLLs an import section names, after the resources
};

// A PE image whose resource section holds RT_VERSION entries (name 1), one
// per language. With no resources, the image has no resource directory.
std::string peImage(const std::vector<PeResource>& versions, PeOptions options = {});

// A standalone NE image whose resource table holds a version resource with
// the given alignment shift, after an icon group entry.
std::string neImage(const std::string& resource, unsigned shift);

// Little-endian writes into a byte string.
void put16(std::string& s, std::size_t at, std::uint16_t v);
void put32(std::string& s, std::size_t at, std::uint32_t v);

}  // namespace corvane::test
