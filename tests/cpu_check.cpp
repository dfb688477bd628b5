// Checks that corvane.exe holds only the 80486's instructions:
//   corvane_cpu_check <exe> <linker map> [<executed addresses>]
// disassembles every code section with the toolchain's objdump and names
// each instruction outside the set, its address and its object. With a file
// of addresses (one hexadecimal address a line, as an emulator's trace gives
// them), only the instructions executed there are checked.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "support/instruction_set.h"

using namespace corvane::test;

namespace {

std::string slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string run(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) return out;
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    pclose(p);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <exe> <linker map> [<executed addresses>]\n", argv[0]);
        return 2;
    }
    const std::string disassembly = run(std::string(CORVANE_OBJDUMP) + " -d -M intel --no-show-raw-insn '" + argv[1] + "'");
    std::size_t instructions = 0;
    for (std::size_t at = 0; (at = disassembly.find(":\t", at)) != std::string::npos; ++at) ++instructions;
    if (instructions == 0) {
        std::fprintf(stderr, "no instructions disassembled from %s\n", argv[1]);
        return 2;
    }
    const LinkerMap map(slurp(argv[2]));
    if (map.empty()) std::fprintf(stderr, "note: no linker map at %s; objects are not named\n", argv[2]);
    std::vector<std::uint32_t> executed;
    if (argc > 3) {
        std::istringstream in(slurp(argv[3]));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty()) executed.push_back(static_cast<std::uint32_t>(std::stoul(line, nullptr, 16)));
        }
        std::printf("%zu distinct executed addresses\n", executed.size());
        // Each must start an instruction of the disassembly, or the check
        // would pass over it unseen.
        std::vector<std::uint32_t> starts;
        std::istringstream lines(disassembly);
        for (std::string line; std::getline(lines, line);) {
            if (const auto insn = parseDisassemblyLine(line)) starts.push_back(insn->address);
        }
        std::sort(starts.begin(), starts.end());
        std::size_t unmatched = 0;
        for (const std::uint32_t a : executed) {
            if (std::binary_search(starts.begin(), starts.end(), a)) continue;
            if (++unmatched <= 20) std::printf("executed at 0x%08x, where the disassembly has no instruction\n", a);
        }
        if (unmatched != 0) {
            std::printf("%zu executed addresses outside the disassembly\n", unmatched);
            return 1;
        }
    }
    const std::vector<std::string> bad = outside80486(disassembly, map, argc > 3 ? &executed : nullptr);
    for (const std::string& b : bad) std::printf("outside the 80486's set: %s\n", b.c_str());
    std::printf("%zu instructions disassembled, %zu outside the 80486's set\n", instructions, bad.size());
    return bad.empty() ? 0 : 1;
}
