#include "support/instruction_set.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

namespace corvane::test {

namespace {

// The 8086 to 80486 instructions and the 8087 to 80387 floating-point ones
// (the 486DX's unit), as GNU objdump names them in Intel syntax.
const std::set<std::string, std::less<>>& instructions80486() {
    static const std::set<std::string, std::less<>> names = {
        // 8086/8088 and 80186/80286
        "aaa", "aad", "aam", "aas", "adc", "add", "and", "arpl", "bound", "call", "cbw", "clc", "cld", "cli", "clts",
        "cmc", "cmp", "cmps", "cmpsb", "cmpsw", "cmpsd", "cwd", "daa", "das", "dec", "div", "enter", "hlt", "idiv",
        "imul", "in", "inc", "ins", "insb", "insw", "int", "int3", "into", "iret", "ja", "jae", "jb", "jbe", "jcxz",
        "je", "jg", "jge", "jl", "jle", "jmp", "jne", "jno", "jnp", "jns", "jo", "jp", "js", "lahf", "lar", "lds",
        "lea", "leave", "les", "lgdt", "lidt", "lldt", "lmsw", "lods", "lodsb", "lodsw", "lodsd", "loop", "loope",
        "loopne", "lsl", "ltr", "mov", "movs", "movsb", "movsw", "movsd", "mul", "neg", "nop", "not", "or", "out",
        "outs", "outsb", "outsw", "pop", "popa", "popf", "push", "pusha", "pushf", "rcl", "rcr", "ret", "retf", "rol",
        "ror", "sahf", "sal", "sar", "sbb", "scas", "scasb", "scasw", "scasd", "sgdt", "shl", "shr", "sidt", "sldt",
        "smsw", "stc", "std", "sti", "stos", "stosb", "stosw", "stosd", "str", "sub", "test", "verr", "verw", "fwait",
        "xchg", "xlat", "xor",
        // 80386
        "bsf", "bsr", "bt", "btc", "btr", "bts", "cdq", "cwde", "iretd", "jecxz", "lfs", "lgs", "lss", "movsx",
        "movzx", "popad", "popfd", "pushad", "pushfd", "seta", "setae", "setb", "setbe", "sete", "setg", "setge",
        "setl", "setle", "setne", "setno", "setnp", "setns", "seto", "setp", "sets", "shld", "shrd",
        // 80486
        "bswap", "cmpxchg", "invd", "invlpg", "wbinvd", "xadd",
        // 8087 to 80387
        "f2xm1", "fabs", "fadd", "faddp", "fbld", "fbstp", "fchs", "fclex", "fnclex", "fcom", "fcomp", "fcompp",
        "fcos", "fdecstp", "fdiv", "fdivp", "fdivr", "fdivrp", "ffree", "fiadd", "ficom", "ficomp", "fidiv",
        "fidivr", "fild", "fimul", "fincstp", "finit", "fninit", "fist", "fistp", "fisub", "fisubr", "fld", "fld1",
        "fldcw", "fldenv", "fldl2e", "fldl2t", "fldlg2", "fldln2", "fldpi", "fldz", "fmul", "fmulp", "fnop",
        "fpatan", "fprem", "fprem1", "fptan", "frndint", "frstor", "fsave", "fnsave", "fscale", "fsin", "fsincos",
        "fsqrt", "fst", "fstcw", "fnstcw", "fstenv", "fnstenv", "fstp", "fstsw", "fnstsw", "fsub", "fsubp", "fsubr",
        "fsubrp", "ftst", "fucom", "fucomp", "fucompp", "fxam", "fxch", "fxtract", "fyl2x", "fyl2xp1",
    };
    return names;
}

bool isPrefix(std::string_view word) {
    static constexpr std::string_view kPrefixes[] = {"rep",  "repz", "repe",   "repnz",  "repne",  "lock",
                                                     "cs",   "ds",   "es",     "fs",     "gs",     "ss",
                                                     "data16", "addr16", "data32", "addr32"};
    return std::find(std::begin(kPrefixes), std::end(kPrefixes), word) != std::end(kPrefixes);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        const std::size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i > start) out.push_back(text.substr(start, i - start));
    }
    return out;
}

std::optional<std::uint32_t> hex(std::string_view s) {
    if (s.starts_with("0x")) s.remove_prefix(2);
    if (s.empty() || s.size() > 16) return std::nullopt;
    std::uint64_t v = 0;
    for (const char c : s) {
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                  : -1;
        if (d < 0) return std::nullopt;
        v = v * 16 + static_cast<std::uint64_t>(d);
    }
    if (v > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        out.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace

std::optional<Instruction> parseDisassemblyLine(std::string_view line) {
    // "  401000:\tpush   ebp"
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || line.size() < colon + 2 || line[colon + 1] != '\t') return std::nullopt;
    std::string_view address = line.substr(0, colon);
    while (!address.empty() && address.front() == ' ') address.remove_prefix(1);
    const auto at = hex(address);
    if (!at) return std::nullopt;
    std::string_view text = line.substr(colon + 2);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    return Instruction{*at, std::string(text)};
}

// An operand that names an MMX or SSE register (mm0, xmm1, ymm2, zmm3): the
// string instructions movsd and cmpsd share their names with SSE2's.
bool namesVectorRegister(std::string_view operands) {
    std::size_t i = 0;
    while (i < operands.size()) {
        while (i < operands.size() && !std::isalnum(static_cast<unsigned char>(operands[i]))) ++i;
        const std::size_t start = i;
        while (i < operands.size() && std::isalnum(static_cast<unsigned char>(operands[i]))) ++i;
        std::string_view token = operands.substr(start, i - start);
        for (const std::string_view bank : {"xmm", "ymm", "zmm", "mm"}) {
            if (token.size() > bank.size() && token.substr(0, bank.size()) == bank &&
                std::all_of(token.begin() + static_cast<long>(bank.size()), token.end(),
                            [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
                return true;
            }
        }
    }
    return false;
}

bool on80486(std::string_view text) {
    const std::vector<std::string_view> w = words(text);
    std::size_t i = 0;
    while (i < w.size() && isPrefix(w[i])) ++i;
    if (i == w.size()) return !w.empty();  // a prefix alone
    const std::string_view name = w[i];
    // The one-byte NOP is the 8086's; the forms with an operand (0F 1F) came
    // with the Pentium Pro.
    if (name == "nop") return i + 1 == w.size();
    const std::size_t operands = text.find(name) + name.size();
    return instructions80486().count(name) != 0 && !namesVectorRegister(text.substr(operands));
}

LinkerMap::LinkerMap(std::string_view text) {
    // Only the memory map itself; the discarded sections before it have
    // no addresses.
    const std::size_t begin = text.find("Linker script and memory map");
    if (begin == std::string_view::npos) return;
    const std::vector<std::string_view> all = lines(text.substr(begin));
    for (std::size_t n = 0; n < all.size(); ++n) {
        const std::vector<std::string_view> w = words(all[n]);
        // " .text$name 0x00401000 0x1c object", the name alone on its line
        // when it is long; or "0x00416ef8 0x4 LONG 0xffffffff" for a word
        // the linker wrote.
        std::size_t first = 0;
        if (w.size() == 1 && all[n].starts_with(" .") && n + 1 < all.size()) {
            const std::vector<std::string_view> next = words(all[n + 1]);
            if (next.size() >= 3 && hex(next[0]) && hex(next[1])) {
                const std::string object(next[2]);
                pieces_.push_back({*hex(next[0]), *hex(next[1]), object});
                ++n;
            }
            continue;
        }
        if (w.size() >= 4 && all[n].starts_with(" .")) first = 1;
        if (w.size() < first + 3) continue;
        const auto start = hex(w[first]);
        const auto size = hex(w[first + 1]);
        if (!start || !size || *size == 0 || *start == 0) continue;
        const std::string_view what = w[first + 2];
        if (first == 0 && (what == "LONG" || what == "QUAD" || what == "SHORT" || what == "BYTE")) {
            pieces_.push_back({*start, *size, ""});
        } else if (first == 1) {
            pieces_.push_back({*start, *size, std::string(what)});
        }
    }
    std::stable_sort(pieces_.begin(), pieces_.end(), [](const Piece& a, const Piece& b) { return a.start < b.start; });
}

const LinkerMap::Piece* LinkerMap::at(std::uint32_t address) const {
    auto it = std::upper_bound(pieces_.begin(), pieces_.end(), address,
                               [](std::uint32_t a, const Piece& p) { return a < p.start; });
    if (it == pieces_.begin()) return nullptr;
    --it;
    return address - it->start < it->size ? &*it : nullptr;
}

std::string LinkerMap::objectAt(std::uint32_t address) const {
    const Piece* p = at(address);
    return p != nullptr ? p->object : "";
}

bool LinkerMap::isLinkerData(std::uint32_t address) const {
    const Piece* p = at(address);
    return p != nullptr && p->object.empty();
}

std::vector<std::string> outside80486(std::string_view disassembly, const LinkerMap& map,
                                      const std::vector<std::uint32_t>* executed) {
    std::vector<std::uint32_t> wanted;
    if (executed != nullptr) {
        wanted = *executed;
        std::sort(wanted.begin(), wanted.end());
    }
    std::vector<std::string> out;
    for (const std::string_view line : lines(disassembly)) {
        const auto insn = parseDisassemblyLine(line);
        if (!insn || map.isLinkerData(insn->address)) continue;
        if (executed != nullptr && !std::binary_search(wanted.begin(), wanted.end(), insn->address)) continue;
        if (on80486(insn->text)) continue;
        char address[16];
        std::snprintf(address, sizeof address, "0x%08x", static_cast<unsigned>(insn->address));
        const std::string object = map.objectAt(insn->address);
        out.push_back(std::string(address) + "  " + insn->text + "  " + (object.empty() ? "(object unknown)" : object));
    }
    return out;
}

}  // namespace corvane::test
