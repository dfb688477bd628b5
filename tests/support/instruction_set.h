// Which instructions of a disassembly the 80486 has: every CPU that runs
// Windows 98 (the 486DX, Pentium, Pentium MMX, K6, 6x86) executes these,
// and nothing later (CMOVcc, FCOMI, CPUID, RDTSC, MMX, SSE, multi-byte NOP).
// The lines are the toolchain's objdump in Intel syntax; the names of the
// objects come from the linker's map.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

struct Instruction {
    std::uint32_t address = 0;
    std::string text;  // mnemonic and operands, prefixes included
};

// One instruction line of `objdump -d -M intel --no-show-raw-insn`; nullopt
// for every other line (headers, labels, "..." for zero bytes).
std::optional<Instruction> parseDisassemblyLine(std::string_view line);

// Whether the 80486 has this instruction.
bool on80486(std::string_view text);

// Address ranges of the linker map: the object each piece of the image
// came from, and the words the linker wrote itself (constructor lists),
// which are data inside the code section.
class LinkerMap {
public:
    explicit LinkerMap(std::string_view text);
    // The object that holds `address`; "" where the map does not say.
    std::string objectAt(std::uint32_t address) const;
    bool isLinkerData(std::uint32_t address) const;
    bool empty() const { return pieces_.empty(); }

private:
    struct Piece {
        std::uint32_t start, size;
        std::string object;  // empty for the linker's own words
    };
    std::vector<Piece> pieces_;  // in address order
    const Piece* at(std::uint32_t address) const;
};

// The instructions of `disassembly` outside the 80486's set, at the given
// addresses only when `executed` is not null; one line each: address,
// instruction, object.
std::vector<std::string> outside80486(std::string_view disassembly, const LinkerMap& map,
                                      const std::vector<std::uint32_t>* executed = nullptr);

}  // namespace corvane::test
