// The shipped corvane.exe imports only what tests/data/imports.txt allows:
// functions that Windows 95 retail and NT 4.0 RTM both export.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "drivers/file_version.h"
#include "drivers/version_reader.h"
#include "corvane_version.h"
#include "support/code_pages.h"
#include "support/memory_source.h"

namespace {

std::wstring wide(const char* s) { return std::wstring(s, s + std::char_traits<char>::length(s)); }

std::vector<std::uint8_t> slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Pe {
    std::vector<std::uint8_t> bytes;
    struct Section {
        std::uint32_t va, size, raw, rawSize;
    };
    std::vector<Section> sections;
    bool pe32plus = false;
    std::uint32_t importRva = 0;
    std::uint16_t machine = 0;
    std::size_t opt = 0;  // the optional header

    std::uint32_t u32(std::size_t at) const {
        if (at + 4 > bytes.size()) throw std::runtime_error("read past the end");
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    }
    std::uint16_t u16(std::size_t at) const {
        if (at + 2 > bytes.size()) throw std::runtime_error("read past the end");
        return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
    }
    std::size_t offset(std::uint32_t rva) const {
        for (const auto& s : sections) {
            if (rva >= s.va && rva < s.va + std::max(s.size, s.rawSize)) return s.raw + (rva - s.va);
        }
        throw std::runtime_error("address outside every section");
    }
    std::string text(std::uint32_t rva) const {
        std::string s;
        for (std::size_t at = offset(rva); at < bytes.size() && bytes[at] != 0; ++at) s += static_cast<char>(bytes[at]);
        return s;
    }
    explicit Pe(std::vector<std::uint8_t> b) : bytes(std::move(b)) {
        const std::uint32_t nt = u32(0x3C);
        if (u32(nt) != 0x4550) throw std::runtime_error("not a PE file");
        machine = u16(nt + 4);
        const std::uint16_t count = u16(nt + 6);
        const std::uint16_t optSize = u16(nt + 20);
        opt = nt + 24;
        pe32plus = u16(opt) == 0x20B;
        importRva = u32(opt + (pe32plus ? 112 : 96) + 8);
        for (std::size_t i = 0, at = opt + optSize; i < count; ++i, at += 40) {
            sections.push_back({u32(at + 12), u32(at + 8), u32(at + 20), u32(at + 16)});
        }
    }
};

// The lists of imports.txt: each section's lines, the DLL and function
// first, without the comments.
struct ImportLists {
    struct Entry {
        std::string dll, function, systems;
    };
    std::map<std::string, std::vector<Entry>> sections;

    explicit ImportLists(const char* path) {
        std::ifstream in(path);
        std::string section;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            if (line[0] == '[') {
                section = line.substr(1, line.find(']') - 1);
                continue;
            }
            std::istringstream words(line);
            Entry e;
            if (section.rfind("not on", 0) == 0) {
                words >> e.function;  // any DLL
            } else {
                words >> e.dll >> e.function;
                std::getline(words, e.systems);
            }
            sections[section].push_back(e);
        }
    }
    std::set<std::string> functions(const std::string& section) const {
        std::set<std::string> out;
        if (const auto s = sections.find(section); s != sections.end()) {
            for (const auto& e : s->second) out.insert(e.function);
        }
        return out;
    }
};

std::string lower(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Whether a list's systems name Windows 95 retail and NT 4.0 RTM or earlier.
bool onWindows95AndNt4(const std::string& systems) {
    std::istringstream words(systems);
    bool on95 = false, onNt4 = false;
    for (std::string w; words >> w;) {
        if (w == "95" || w == "95:stub") on95 = true;
        if (w.rfind("NT", 0) == 0 && (w == "NT3.1" || w == "NT3.5" || w == "NT3.51" || w == "NT4.0")) onNt4 = true;
    }
    return on95 && onNt4;
}

TEST(ShippedProgram, ImportsOnlyWhatItsListAllowsFromWindows95AndNt4On) {
    const Pe pe(slurp(CORVANE_SHIPPED_EXE));
    EXPECT_EQ(pe.machine, 0x14C) << "the shipped program is 32-bit x86";
    EXPECT_FALSE(pe.pe32plus);
    ASSERT_NE(pe.importRva, 0u);
    // Windows 95 and NT 4.0 load nothing that asks for a later system or subsystem.
    EXPECT_EQ(pe.u16(pe.opt + 40), 4) << "major OS version";
    EXPECT_EQ(pe.u16(pe.opt + 42), 0) << "minor OS version";
    EXPECT_EQ(pe.u16(pe.opt + 48), 4) << "major subsystem version";
    EXPECT_EQ(pe.u16(pe.opt + 50), 0) << "minor subsystem version";
    EXPECT_EQ(pe.u16(pe.opt + 68), 2) << "the Windows GUI subsystem";

    const ImportLists lists(CORVANE_IMPORT_LISTS);
    std::set<std::string> allowed;
    std::set<std::string> notOn;
    for (const char* s : {"not on 98", "not on xp"}) {
        const auto names = lists.functions(s);
        ASSERT_GT(names.size(), 50u) << s;
        notOn.insert(names.begin(), names.end());
    }
    ASSERT_TRUE(lists.sections.count("may import"));
    for (const auto& e : lists.sections.at("may import")) {
        allowed.insert(e.dll + "!" + e.function);
        EXPECT_TRUE(onWindows95AndNt4(e.systems)) << e.dll << "!" << e.function << " is listed for " << e.systems;
        EXPECT_FALSE(notOn.count(e.function)) << e.function << " is listed as missing on a system";
    }

    std::vector<std::string> imported;
    for (std::size_t d = pe.offset(pe.importRva);; d += 20) {
        const std::uint32_t lookup = pe.u32(d) != 0 ? pe.u32(d) : pe.u32(d + 16);
        const std::uint32_t name = pe.u32(d + 12);
        if (name == 0) break;
        const std::string dll = lower(pe.text(name));
        for (std::size_t t = pe.offset(lookup);; t += 4) {
            const std::uint32_t thunk = pe.u32(t);
            if (thunk == 0) break;
            imported.push_back(dll + "!" + ((thunk & 0x80000000u) == 0 ? pe.text(thunk + 2) : "#ordinal"));
        }
    }
    EXPECT_GT(imported.size(), 40u);
    EXPECT_NE(std::find(imported.begin(), imported.end(), "kernel32.dll!ExitProcess"), imported.end());
    for (const auto& f : imported) {
        EXPECT_TRUE(allowed.count(f)) << f << " is imported but not in imports.txt's [may import]";
    }
}

// What the program looks up at run time is named in its image as text, and
// each such name is listed: the list stays that of the program.
TEST(ShippedProgram, ListsEveryFunctionItLooksUp) {
    const auto bytes = slurp(CORVANE_SHIPPED_EXE);
    const ImportLists lists(CORVANE_IMPORT_LISTS);
    ASSERT_TRUE(lists.sections.count("looked up"));
    for (const auto& e : lists.sections.at("looked up")) {
        const std::string name = e.function + '\0';
        EXPECT_NE(std::search(bytes.begin(), bytes.end(), name.begin(), name.end()), bytes.end())
            << e.function << " is listed as looked up, but the program does not name it";
    }
}

// A small download, and no symbols left in it.
TEST(ShippedProgram, IsStrippedAndAtMost216KiB) {
    const auto bytes = slurp(CORVANE_SHIPPED_EXE);
    EXPECT_LE(bytes.size(), 221184u);
    ASSERT_GT(bytes.size(), 0x40u);
    const auto u32 = [&](std::size_t at) {
        return at + 4 <= bytes.size() ? std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                                            std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24
                                      : 0xFFFFFFFFu;
    };
    const std::size_t coff = u32(0x3C) + 4;
    EXPECT_EQ(u32(coff + 8), 0u) << "a symbol table";
    EXPECT_EQ(u32(coff + 12), 0u) << "symbols";
}

// The entry point of its own processes no pseudo-relocations (the runtime's
// fix-ups of data imported from DLLs): the linker must have made none.
TEST(ShippedProgram, NeedsNoPseudoRelocations) {
    std::ifstream map(CORVANE_SHIPPED_MAP);
    ASSERT_TRUE(map) << CORVANE_SHIPPED_MAP;
    bool found = false;
    for (std::string line; std::getline(map, line);) {
        if (line.find("__rt_psrelocs_size = ") == std::string::npos) continue;
        found = true;
        std::istringstream words(line);
        std::string address;
        words >> address;
        EXPECT_EQ(std::stoul(address, nullptr, 16), 0u) << line;
    }
    EXPECT_TRUE(found) << "the map names no pseudo-relocation list";
}

// The fault seam of the test builds is not in the program as shipped: not
// even the name of the variable that would plan a fault.
TEST(ShippedProgram, HoldsNoFaultSeam) {
    const auto bytes = slurp(CORVANE_SHIPPED_EXE);
    const std::string marker = "CORVANE_FAULT";
    ASSERT_GT(bytes.size(), 0u);
    EXPECT_EQ(std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end()), bytes.end());
}

TEST(ShippedProgram, CarriesItsVersionResource) {
    const auto bytes = slurp(CORVANE_SHIPPED_EXE);
    const corvane::Windows1252 cp;
    corvane::VersionReader reader(
        [&](const std::wstring&) {
            return std::make_unique<corvane::MemorySource>(std::string(bytes.begin(), bytes.end()));
        },
        cp);
    const std::uint32_t size = reader.size(L"corvane.exe");
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> block(size + 1, 0);
    ASSERT_TRUE(reader.read(L"corvane.exe", block));
    auto text = [&](const char* key) {
        std::size_t at = 0;
        std::uint32_t length = 0;
        const std::string sub = std::string("\\StringFileInfo\\040904B0\\") + key;
        if (!reader.query(block, sub, at, length) || length == 0) return std::wstring(L"<none>");
        return corvane::stringAt(block, at, cp);
    };
    EXPECT_EQ(text("FileVersion"), wide(CORVANE_FILE_VERSION_TEXT));
    EXPECT_EQ(text("ProductName"), L"Corvane");
    std::size_t at = 0;
    std::uint32_t length = 0;
    ASSERT_TRUE(reader.query(block, "\\", at, length));
    ASSERT_EQ(length, 52u);
    const auto word = [&](std::size_t i) { return block[at + i] | block[at + i + 1] << 8; };
    EXPECT_EQ(word(10), CORVANE_VERSION_MAJOR);  // file version: the most significant words
    EXPECT_EQ(word(8), CORVANE_VERSION_MINOR);
    EXPECT_EQ(word(14), 0);                      // the least significant ones
    EXPECT_EQ(word(12), CORVANE_VERSION_REVISION);
    // For Windows of both families (VOS__WINDOWS32), not for NT alone.
    const auto dword = [&](std::size_t i) { return std::uint32_t(word(i)) | std::uint32_t(word(i + 2)) << 16; };
    EXPECT_EQ(dword(32), 0x00000004u) << "dwFileOS";
}

}  // namespace
