// The version-resource reader: PE and NE files, both block layouts, the
// query rules, and files that are truncated or lie about their sizes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "drivers/resource_reader.h"
#include "drivers/version_block.h"
#include "drivers/version_reader.h"
#include "drivers/file_version.h"
#include "support/code_pages.h"
#include "support/images.h"
#include "support/memory_source.h"

namespace corvane {
namespace {

using namespace test;

const Windows1252 kCp;

// fileVersion's sequence of calls, through the reader, on one file's bytes.
std::wstring fileVersion(const std::string& file, std::uint16_t userLanguage = 0x0409) {
    VersionReader reader([&](const std::wstring&) { return std::make_unique<MemorySource>(file); }, kCp, userLanguage);
    const std::uint32_t size = reader.size(L"f");
    if (size == 0) return L"<none>";
    std::vector<std::uint8_t> block(size + 1, 0);
    reader.read(L"f", block);
    std::size_t at = 0;
    std::uint32_t length = 0;
    if (!reader.query(block, "\\VarFileInfo\\Translation", at, length) || length == 0) return L"<no translation>";
    const std::string t = bytesAt(block, at, length);
    if (t.size() < 4) return L"<short translation>";
    if (!reader.query(block, "\\StringFileInfo\\" + translationKey(t) + "\\FileVersion", at, length) || length == 0) {
        return L"<no FileVersion>";
    }
    return stringAt(block, at, kCp);
}

std::string usual(const std::u16string& version, std::uint32_t translation = 0x04B00409) {
    return serialize32(versionInfo({{"040904B0", {{"CompanyName", u"Quillet"}, {"FileVersion", version}}}}, {translation}));
}

TEST(VersionReader, UsualTableInPe32AndPe32Plus) {
    EXPECT_EQ(fileVersion(peImage({{0x0409, usual(u"1.00.0035")}})), L"1.00.0035");
    EXPECT_EQ(fileVersion(peImage({{0x0409, usual(u"4.10.01.1234")}}, {.pe32plus = true})), L"4.10.01.1234");
    // Whole, as stored: blanks and all.
    EXPECT_EQ(fileVersion(peImage({{0, usual(u" 2.5 (beta) ")}})), L" 2.5 (beta) ");
}

TEST(VersionReader, TranslationBytesBelowSixteenKeepTwoDigits) {
    const std::string block = serialize32(versionInfo({{"00090004", {{"FileVersion", u"9.4"}}}}, {0x00040009}));
    EXPECT_EQ(fileVersion(peImage({{0, block}})), L"9.4");
    std::string t("\x09\x00\x04\x00", 4);
    EXPECT_EQ(translationKey(t), "00090004");
    EXPECT_EQ(translationKey(std::string("\x09\x04\xB0\x04", 4)), "040904B0");
    EXPECT_EQ(translationKey(std::string("\xFF\xFE\x0A\xA0", 4)), "FEFFA00A");
}

TEST(VersionReader, OnlyTheFirstTranslationCounts) {
    const auto tables = std::vector<StringTable>{{"040704B0", {{"FileVersion", u"german"}}},
                                                 {"040904B0", {{"FileVersion", u"english"}}}};
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(versionInfo(tables, {0x04B00409, 0x04B00407}))}})), L"english");
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(versionInfo(tables, {0x04B00407, 0x04B00409}))}})), L"german");
    // The first names a table that does not exist: no other is tried.
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(versionInfo(tables, {0x04E40409}))}})), L"<no FileVersion>");
}

TEST(VersionReader, MissingPartsGiveNothing) {
    EXPECT_EQ(fileVersion(peImage({})), L"<none>");
    EXPECT_EQ(fileVersion("just some text, not a program"), L"<none>");
    EXPECT_EQ(fileVersion(std::string("MZ") + std::string(100, '\0')), L"<none>");
    EXPECT_EQ(fileVersion(""), L"<none>");
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(versionInfo({{"040904B0", {{"FileVersion", u"1"}}}}, {}))}})),
              L"<no translation>");
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(versionInfo({{"040904B0", {{"ProductVersion", u"1"}}}}, {0x04B00409}))}})),
              L"<no FileVersion>");
    // An empty FileVersion: its one character is the terminating zero.
    EXPECT_EQ(fileVersion(peImage({{0, usual(u"")}})), L"");
    VNode root = versionInfo({{"040904B0", {{"FileVersion", u"x"}}}}, {0x04B00409});
    root.children[0].children[0].children[0].value.clear();
    root.children[0].children[0].children[0].valueLength = 0;
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(root)}})), L"<no FileVersion>");
}

TEST(VersionReader, LanguageOfTheResource) {
    const std::string neutral = usual(u"neutral"), user = usual(u"user"), english = usual(u"english"),
                      other = usual(u"other");
    EXPECT_EQ(fileVersion(peImage({{0, neutral}, {0x0407, user}, {0x0409, english}}), 0x0407), L"neutral");
    EXPECT_EQ(fileVersion(peImage({{0x0407, user}, {0x0409, english}}), 0x0407), L"user");
    EXPECT_EQ(fileVersion(peImage({{0x0407, user}, {0x0409, english}}), 0x040C), L"english");
    EXPECT_EQ(fileVersion(peImage({{0x0411, other}, {0x0412, user}}), 0x040C), L"other");
}

TEST(VersionReader, KeysMatchWholeAndWithoutCase) {
    VNode root = versionInfo({{"040904b0", {{"FILEVERSION", u"7.0"}, {"FileVersionX", u"wrong"}}}}, {0x04B00409});
    EXPECT_EQ(fileVersion(peImage({{0, serialize32(root)}})), L"7.0");
    std::vector<std::uint8_t> block;
    const std::string bytes = serialize32(versionInfo({{"040904B0", {{"FileVersionX", u"wrong"}}}}, {0x04B00409}));
    block.assign(bytes.begin(), bytes.end());
    block.resize(bytes.size() * 2 + 4);
    std::size_t at = 0;
    std::uint32_t length = 0;
    EXPECT_FALSE(queryVersionValue(block, bytes.size(), "\\StringFileInfo\\040904B0\\FileVersion", kCp, at, length));
    EXPECT_TRUE(queryVersionValue(block, bytes.size(), "StringFileInfo\\\\040904b0\\\\FileVersionX\\", kCp, at, length));
    EXPECT_EQ(length, 6u);  // "wrong" and its zero, as ANSI bytes
    EXPECT_TRUE(queryVersionValue(block, bytes.size(), "\\", kCp, at, length));
    EXPECT_EQ(length, 52u);  // the fixed file information
}

TEST(VersionReader, TextOutsideTheCodePageBecomesDefaultCharacters) {
    EXPECT_EQ(fileVersion(peImage({{0, usual(u"1.0 \u65e5\u00e9")}})), L"1.0 ?\u00e9");
}

TEST(VersionReader, SixteenBitBlocksInNeFiles) {
    const std::string block = serialize16(versionInfo({{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}}, {0x04E40409}, false));
    ASSERT_GE(static_cast<unsigned char>(block[4]), 0x20u);
    for (const unsigned shift : {0u, 4u, 9u}) {
        EXPECT_EQ(fileVersion(neImage(block, shift)), L"4.03.00.2102") << shift;
    }
    // A 16-bit block is used as it is, with no spare room.
    MemorySource file(neImage(block, 4));
    const auto found = findVersionResource(file, 0x0409);
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->fromNe);
    EXPECT_EQ(versionBlockSize(found->bytes, true), found->bytes.size());
}

TEST(VersionReader, TruncatedFilesNeverReadPastTheirEnd) {
    const std::string pe = peImage({{0x0409, usual(u"1.00.0035")}});
    const std::string ne = neImage(serialize16(versionInfo({{"040904E4", {{"FileVersion", u"3.1"}}}}, {0x04E40409}, false)), 4);
    for (const std::string* whole : {&pe, &ne}) {
        for (std::size_t n = 0; n < whole->size(); ++n) {
            const std::wstring v = fileVersion(whole->substr(0, n));
            // Cut anywhere, it gives nothing or (cut in the padding) the whole answer.
            EXPECT_TRUE(v.front() == L'<' || v == L"1.00.0035" || v == L"3.1") << n;
        }
    }
}

TEST(VersionReader, BlocksThatLieAboutTheirSizes) {
    const std::string good = usual(u"1.00.0035");
    auto patched = [&](std::size_t at, std::uint16_t v) {
        std::string b = good;
        put16(b, at, v);
        return fileVersion(peImage({{0, b}}));
    };
    // Root longer than the resource, root of zero length, a child running
    // past its parent, a child of zero length.
    EXPECT_NE(patched(0, 0xFFFF), L"");
    EXPECT_EQ(patched(0, 0), L"<no translation>");
    const std::size_t stringFileInfo = 92;  // after the root's key and fixed information
    ASSERT_EQ(good.substr(stringFileInfo + 6, 2), std::string("S\0", 2));
    // A broken child hides the siblings after it: where they start depends on it.
    EXPECT_EQ(patched(stringFileInfo, 0xFFF0), L"<no translation>");
    EXPECT_EQ(patched(stringFileInfo, 0), L"<no translation>");
    // A key without its terminating zero inside its block.
    std::string noZero("\x10\0\0\0\0\0A\0B\0C\0D\0E\0", 16);
    std::vector<std::uint8_t> block(noZero.begin(), noZero.end());
    block.resize(64);
    std::size_t at = 0;
    std::uint32_t length = 0;
    EXPECT_FALSE(queryVersionValue(block, 16, "\\", kCp, at, length));
    noZero[14] = 0;  // now E is the zero: the block holds together
    block.assign(noZero.begin(), noZero.end());
    block.resize(64);
    EXPECT_TRUE(queryVersionValue(block, 16, "\\", kCp, at, length));
    // A text value claiming more characters than its block holds.
    std::string longValue = good;
    const std::size_t fv = longValue.find(std::string("F\0i\0l\0e\0V", 9));
    ASSERT_NE(fv, std::string::npos);
    put16(longValue, fv - 4, 0x7FFF);
    const std::wstring v = fileVersion(peImage({{0, longValue}}));
    EXPECT_TRUE(v == L"1.00.0035" || v == L"<no FileVersion>");
}

TEST(VersionReader, NeResourceTablesThatRunOffOrLoop) {
    const std::string block = serialize16(versionInfo({{"040904E4", {{"FileVersion", u"3.1"}}}}, {0x04E40409}, false));
    const std::string ne = neImage(block, 4);
    const std::size_t table = 0x80;
    auto patched = [&](std::size_t at, std::uint16_t v) {
        std::string f = ne;
        put16(f, at, v);
        return fileVersion(f);
    };
    EXPECT_EQ(patched(table + 4, 0xFFFF), L"<none>");        // icon group claims 65535 entries
    EXPECT_EQ(patched(table, 31), L"<none>");                // absurd shift
    EXPECT_EQ(patched(0x40 + 0x26, 0x40), L"<none>");        // empty resource table
    EXPECT_EQ(patched(0x40 + 0x26, 0x20), L"<none>");        // table ending before it starts
    EXPECT_EQ(patched(0x40 + 0x24, 0xFFF0), L"<none>");      // table past the end of the file
    EXPECT_EQ(patched(table + 2 + 20 + 8, 0xFFFF), L"<none>");  // version data far past the end
    // A type block that does not advance can't hold the walk: its count of
    // zero makes the next block start right after it.
    std::string f = ne;
    put16(f, table + 4, 0);
    EXPECT_EQ(fileVersion(f), L"<none>");
}

TEST(VersionReader, PeHeadersThatPointNowhere) {
    const std::string pe = peImage({{0, usual(u"1")}});
    auto patched = [&](std::size_t at, std::uint32_t v) {
        std::string f = pe;
        put32(f, at, v);
        return fileVersion(f);
    };
    EXPECT_EQ(patched(0x3C, 0xFFFFFFF0), L"<none>");  // e_lfanew past the end
    EXPECT_EQ(patched(0x46, 0xFFFF), L"<none>");       // 65535 sections, table past the end
    EXPECT_EQ(patched(0x58 + 96 + 16, 0x7FFFF000), L"<none>");  // resource directory in no section
}

// Reads every file ever kept because it once broke the reader.
TEST(VersionReader, KeptFuzzFindings) {
    const std::string dir = CORVANE_FUZZ_CORPUS;
    int read = 0;
    for (int i = 0;; ++i) {
        std::ifstream in(dir + "/crash-" + std::to_string(i), std::ios::binary);
        if (!in) break;
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        // Read without a fault (the sanitizers watch), to an answer whose
        // text ends where its terminator was.
        EXPECT_EQ(fileVersion(bytes).find(L'\0'), std::wstring::npos) << "crash-" << i;
        ++read;
    }
    EXPECT_GT(read, 0) << "no kept input in " << dir;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The 16-bit image inside one of Wine's 16-bit modules: the second "MZ"
// whose header points at "NE".
std::string embeddedNe(const std::string& file) {
    for (std::size_t at = 1; (at = file.find("MZ", at)) != std::string::npos; ++at) {
        if (at + 0x40 > file.size()) break;
        const std::uint32_t lfanew = static_cast<std::uint8_t>(file[at + 0x3C]) |
                                     static_cast<std::uint8_t>(file[at + 0x3D]) << 8 |
                                     static_cast<std::uint8_t>(file[at + 0x3E]) << 16;
        if (at + lfanew + 2 <= file.size() && file.compare(at + lfanew, 2, "NE") == 0) return file.substr(at);
    }
    return {};
}

TEST(VersionReader, RealSixteenBitModules) {
    const std::string dir = "/usr/lib/i386-linux-gnu/wine/i386-windows/";
    const std::string mouse = slurp(dir + "mouse.drv16");
    if (mouse.empty()) GTEST_SKIP() << "Debian's wine32 is not installed";
    const std::string image = embeddedNe(mouse);
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(fileVersion(image), L"10.0.0.0");
    for (const char* name : {"gdi.exe16", "krnl386.exe16", "user.exe16", "shell.dll16", "ole2nls.dll16"}) {
        const std::string ne = embeddedNe(slurp(dir + name));
        ASSERT_FALSE(ne.empty()) << name;
        const std::wstring v = fileVersion(ne);
        EXPECT_NE(v.front(), L'<') << name;
    }
    // Fonts are NE files without a version resource.
    const std::string font = slurp("/usr/share/wine/fonts/coure.fon");
    if (!font.empty()) {
        EXPECT_EQ(fileVersion(font), L"<none>");
    }
}

}  // namespace
}  // namespace corvane
