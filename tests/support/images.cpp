#include "support/images.h"

#include <algorithm>

namespace corvane::test {

void put16(std::string& s, std::size_t at, std::uint16_t v) {
    if (s.size() < at + 2) s.resize(at + 2);
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
}

void put32(std::string& s, std::size_t at, std::uint32_t v) {
    put16(s, at, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(s, at + 2, static_cast<std::uint16_t>(v >> 16));
}

namespace {

void pad4(std::string& s, std::size_t base) {
    while ((s.size() - base) % 4 != 0) s += '\0';
}

void append16(std::string& s, std::uint16_t v) { put16(s, s.size(), v); }

}  // namespace

VNode textValue(const std::string& key, const std::u16string& text) {
    std::string bytes;
    for (const char16_t c : text) append16(bytes, static_cast<std::uint16_t>(c));
    append16(bytes, 0);
    return {key, bytes, static_cast<std::uint16_t>(text.size() + 1), true, {}};
}

VNode ansiValue(const std::string& key, const std::string& text) {
    return {key, text + '\0', static_cast<std::uint16_t>(text.size() + 1), false, {}};
}

VNode versionInfo(const std::vector<StringTable>& tables, const std::vector<std::uint32_t>& translations, bool wide) {
    std::string fixed(52, '\0');
    put32(fixed, 0, 0xFEEF04BD);
    put32(fixed, 4, 0x00010000);
    VNode root{"VS_VERSION_INFO", fixed, 52, false, {}};
    VNode strings{"StringFileInfo", "", 0, wide, {}};
    for (const auto& t : tables) {
        VNode table{t.key, "", 0, wide, {}};
        for (const auto& [k, v] : t.strings) {
            if (wide) {
                table.children.push_back(textValue(k, v));
            } else {
                table.children.push_back(ansiValue(k, std::string(v.begin(), v.end())));
            }
        }
        strings.children.push_back(table);
    }
    root.children.push_back(strings);
    if (!translations.empty()) {
        std::string bytes;
        for (const std::uint32_t t : translations) put32(bytes, bytes.size(), t);
        VNode var{"VarFileInfo", "", 0, wide, {{"Translation", bytes, static_cast<std::uint16_t>(bytes.size()), false, {}}}};
        root.children.push_back(var);
    }
    return root;
}

std::string serialize32(const VNode& n) {
    std::string s;
    append16(s, 0);
    append16(s, n.valueLength);
    append16(s, n.text ? 1 : 0);
    for (const char c : n.key) append16(s, static_cast<std::uint8_t>(c));
    append16(s, 0);
    pad4(s, 0);
    s += n.value;
    for (const VNode& child : n.children) {
        pad4(s, 0);
        s += serialize32(child);
    }
    put16(s, 0, static_cast<std::uint16_t>(s.size()));
    return s;
}

std::string serialize16(const VNode& n) {
    std::string s;
    append16(s, 0);
    append16(s, n.valueLength);
    s += n.key;
    s += '\0';
    pad4(s, 0);
    s += n.value;
    for (const VNode& child : n.children) {
        pad4(s, 0);
        s += serialize16(child);
    }
    put16(s, 0, static_cast<std::uint16_t>(s.size()));
    return s;
}

namespace {

std::size_t alignUp(std::size_t v, std::size_t a) { return (v + a - 1) / a * a; }

}  // namespace

std::string peImage(const std::vector<PeResource>& versions, PeOptions options) {
    constexpr std::size_t kFileAlign = 0x200;
    constexpr std::uint32_t kSectionAlign = 0x1000;
    const std::size_t optionalSize = options.pe32plus ? 240 : 224;
    if (!options.data.empty()) options.padding = options.data.size();
    const std::size_t sectionCount =
        (options.padding != 0 ? 1 : 0) + (versions.empty() ? 0 : 1) + (options.imports.empty() ? 0 : 1) + 1;

    // The resource section: root (type 16), type (name 1), name (languages),
    // data entries, then the data.
    std::string rsrc;
    const std::uint32_t rsrcRva = static_cast<std::uint32_t>(
        kSectionAlign * (1 + 1 + (options.padding != 0 ? alignUp(options.padding, kSectionAlign) / kSectionAlign : 0)));
    if (!versions.empty()) {
        const std::size_t n = versions.size();
        const std::size_t typeDir = 16 + 8;
        const std::size_t nameDir = typeDir + 16 + 8;
        const std::size_t dataEntries = nameDir + 16 + 8 * n;
        std::size_t data = dataEntries + 16 * n;
        rsrc.assign(data, '\0');
        put16(rsrc, 14, 1);
        put32(rsrc, 16, 16);
        put32(rsrc, 20, 0x80000000u | static_cast<std::uint32_t>(typeDir));
        put16(rsrc, typeDir + 14, 1);
        put32(rsrc, typeDir + 16, 1);
        put32(rsrc, typeDir + 20, 0x80000000u | static_cast<std::uint32_t>(nameDir));
        put16(rsrc, nameDir + 14, static_cast<std::uint16_t>(n));
        for (std::size_t i = 0; i < n; ++i) {
            put32(rsrc, nameDir + 16 + 8 * i, versions[i].language);
            put32(rsrc, nameDir + 20 + 8 * i, static_cast<std::uint32_t>(dataEntries + 16 * i));
        }
        for (std::size_t i = 0; i < n; ++i) {
            data = alignUp(rsrc.size(), 4);
            rsrc.resize(data);
            put32(rsrc, dataEntries + 16 * i, rsrcRva + static_cast<std::uint32_t>(data));
            put32(rsrc, dataEntries + 16 * i + 4, static_cast<std::uint32_t>(versions[i].data.size()));
            rsrc += versions[i].data;
        }
    }

    std::string f(alignUp(0x40 + 24 + optionalSize + 40 * sectionCount, kFileAlign), '\0');
    f[0] = 'M';
    f[1] = 'Z';
    put32(f, 0x3C, 0x40);
    f.replace(0x40, 4, std::string("PE\0\0", 4));
    put16(f, 0x44, options.pe32plus ? 0x8664 : 0x14C);
    put16(f, 0x46, static_cast<std::uint16_t>(sectionCount));
    put16(f, 0x54, static_cast<std::uint16_t>(optionalSize));
    put16(f, 0x56, options.pe32plus ? 0x2022 : 0x2102);  // a DLL
    const std::size_t opt = 0x58;
    put16(f, opt, options.pe32plus ? 0x20B : 0x10B);
    put32(f, opt + 32, kSectionAlign);
    put32(f, opt + 36, kFileAlign);
    put16(f, opt + 40, 4);  // operating system version 4.0
    put16(f, opt + 48, 4);  // subsystem version 4.0
    put32(f, opt + 60, static_cast<std::uint32_t>(f.size()));  // size of headers
    put16(f, opt + 68, 2);                                      // GUI subsystem
    if (options.pe32plus) {
        put32(f, opt + 24, 0x00000000);
        put32(f, opt + 28, 0x00000001);  // image base 0x1'00000000
        put32(f, opt + 108, 16);
    } else {
        put32(f, opt + 28, 0x10000000);  // image base
        put32(f, opt + 92, 16);
    }
    const std::size_t dirs = opt + (options.pe32plus ? 112 : 96);

    std::size_t table = opt + optionalSize;
    std::uint32_t rva = kSectionAlign;
    auto addSection = [&](const char* name, const std::string& body, std::uint32_t flags) {
        const std::size_t raw = alignUp(f.size(), kFileAlign);
        f.resize(raw);
        f += body;
        f.resize(alignUp(f.size(), kFileAlign));
        f.replace(table, std::string(name).size(), name);
        put32(f, table + 8, static_cast<std::uint32_t>(std::max<std::size_t>(body.size(), 1)));
        put32(f, table + 12, rva);
        put32(f, table + 16, static_cast<std::uint32_t>(alignUp(body.size(), kFileAlign)));
        put32(f, table + 20, static_cast<std::uint32_t>(raw));
        put32(f, table + 36, flags);
        table += 40;
        const std::uint32_t at = rva;
        rva += static_cast<std::uint32_t>(alignUp(std::max<std::size_t>(body.size(), 1), kSectionAlign));
        return at;
    };
    addSection(".text", std::string(16, '\xC3'), 0x60000020);
    if (options.padding != 0) {
        addSection(".data", options.data.empty() ? std::string(options.padding, '\x5A') : options.data, 0xC0000040);
    }
    if (!versions.empty()) {
        const std::uint32_t at = addSection(".rsrc", rsrc, 0x40000040);
        put32(f, dirs + 16, at);
        put32(f, dirs + 20, static_cast<std::uint32_t>(rsrc.size()));
    }
    if (!options.imports.empty()) {
        // The descriptors, an empty one ending them, then the names.
        std::string idata(20 * (options.imports.size() + 1), '\0');
        for (std::size_t i = 0; i < options.imports.size(); ++i) {
            put32(idata, 20 * i + 12, rva + static_cast<std::uint32_t>(idata.size()));
            idata += options.imports[i] + '\0';
        }
        put32(f, dirs + 8, addSection(".idata", idata, 0xC0000040));
        put32(f, dirs + 12, static_cast<std::uint32_t>(20 * (options.imports.size() + 1)));
    }
    put32(f, opt + 56, rva);  // size of image
    return f;
}

std::string neImage(const std::string& resource, unsigned shift) {
    const std::size_t align = std::size_t{1} << shift;
    std::string f(0x40, '\0');
    f[0] = 'M';
    f[1] = 'Z';
    put32(f, 0x3C, 0x40);
    std::string ne(0x40, '\0');
    ne[0] = 'N';
    ne[1] = 'E';
    // Resource table right after the header: shift, an icon group entry,
    // the version entry, the end mark.
    std::string table;
    append16(table, static_cast<std::uint16_t>(shift));
    append16(table, 0x800E);
    append16(table, 1);
    table.append(4, '\0');
    table.append(12, '\0');
    append16(table, 0x8010);
    append16(table, 1);
    table.append(4, '\0');
    const std::size_t entry = table.size();
    table.append(12, '\0');
    append16(table, 0);
    table += '\0';  // the resident-name table begins (and ends) here
    put16(ne, 0x24, 0x40);
    put16(ne, 0x26, static_cast<std::uint16_t>(0x40 + table.size() - 1));
    f += ne;
    const std::size_t tableAt = f.size();
    f += table;
    f.resize(alignUp(f.size(), align));
    const std::size_t data = f.size();
    f += resource;
    f.resize(alignUp(f.size(), align));
    put16(f, tableAt + entry, static_cast<std::uint16_t>(data >> shift));
    put16(f, tableAt + entry + 2, static_cast<std::uint16_t>(alignUp(resource.size(), align) >> shift));
    put16(f, tableAt + entry + 6, 0x8001);
    put16(f, tableAt + 2 + 8 + 6, 0x8001);  // the icon group's id
    return f;
}

}  // namespace corvane::test
