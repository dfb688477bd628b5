// The instruction classifier and the linker-map reader behind the check
// that corvane.exe runs on every CPU that runs Windows 98.
#include <gtest/gtest.h>

#include "support/instruction_set.h"

namespace corvane::test {
namespace {

TEST(InstructionSet, The486sInstructionsAndNothingLater) {
    struct Case {
        const char* text;
        bool on486;
    };
    const Case cases[] = {
        {"push   ebp", true},
        {"mov    eax,DWORD PTR [ebp+0x8]", true},
        {"rep stos DWORD PTR es:[edi],eax", true},
        {"repz ret", true},
        {"lock cmpxchg DWORD PTR [edx],ecx", true},
        {"xadd   DWORD PTR [eax],edx", true},
        {"bswap  eax", true},
        {"movzx  eax,BYTE PTR [ecx]", true},
        {"setne  al", true},
        {"fnstsw ax", true},
        {"fucompp", true},
        {"nop", true},
        {"xchg   ax,ax", true},
        {"lea    esi,[esi+eiz*1+0x0]", true},
        {"cmovne eax,edx", false},
        {"fcmovb st,st(1)", false},
        {"fcomip st,st(1)", false},
        {"fucomi st,st(1)", false},
        {"nop    DWORD PTR [eax+eax*1+0x0]", false},
        {"nop    WORD PTR cs:[eax+eax*1+0x0]", false},
        {"cs nop WORD PTR [eax+eax*1+0x0]", false},
        {"cmpxchg8b QWORD PTR [esi]", false},
        {"rdtsc", false},
        {"cpuid", false},
        {"ud2", false},
        {"emms", false},
        {"movq   mm0,QWORD PTR [eax]", false},
        {"pxor   xmm0,xmm0", false},
        {"movaps XMMWORD PTR [esp],xmm0", false},
        // SSE2's movsd and cmpsd bear the names of the 386's string instructions.
        {"movsd xmm0,QWORD PTR [eax]", false},
        {"cmpsd xmm1,xmm2,0", false},
        {"movsd  QWORD PTR [esp],xmm7", false},
        {"movs   DWORD PTR es:[edi],DWORD PTR ds:[esi]", true},
        {"movsd", true},
        {"repz cmps BYTE PTR ds:[esi],BYTE PTR es:[edi]", true},
        {"mov    DWORD PTR [ebx+0x8],eax", true},
        {"femms", false},
        {"endbr32", false},
        {"(bad)", false},
    };
    for (const Case& c : cases) EXPECT_EQ(on80486(c.text), c.on486) << c.text;
}

TEST(InstructionSet, DisassemblyLinesAndTheObjectsTheyCameFrom) {
    const std::string map =
        "Discarded input sections\n"
        " .text          0x00000000        0x0 discarded.o\n"
        "Linker script and memory map\n"
        ".text           0x00401000     0x2000\n"
        " .text          0x00401000       0x10 objects.a(main.cpp.obj)\n"
        "                0x00401000                _WinMain@16\n"
        " .text$_ZNSt7__cxx1112basic_stringIwSt11char_traitsIwESaIwEE10_M_disposeEv\n"
        "                0x00401010        0x8 libcorvane_win32.a(api.cpp.obj)\n"
        " *fill*         0x00401018        0x8 \n"
        " .text          0x00401020       0x20 libstdc++.a(string-inst.o)\n"
        "                0x00401040                __CTOR_LIST__ = .\n"
        "                0x00401040        0x4 LONG 0xffffffffffffffff\n"
        "                0x00401044        0x4 LONG 0x0\n";
    const LinkerMap m(map);
    EXPECT_EQ(m.objectAt(0x401004), "objects.a(main.cpp.obj)");
    EXPECT_EQ(m.objectAt(0x401017), "libcorvane_win32.a(api.cpp.obj)");
    EXPECT_EQ(m.objectAt(0x40103F), "libstdc++.a(string-inst.o)");
    EXPECT_EQ(m.objectAt(0x401018), "");
    EXPECT_TRUE(m.isLinkerData(0x401041));
    EXPECT_FALSE(m.isLinkerData(0x401020));

    const std::string disassembly =
        "corvane.exe:     file format pei-i386\n"
        "Disassembly of section .text:\n"
        "00401000 <.text>:\n"
        "  401000:\tpush   ebp\n"
        "  401001:\tcmove  eax,edx\n"
        "\t...\n"
        "  401024:\tfcomi  st,st(1)\n"
        "  401040:\t(bad)\n";
    EXPECT_EQ(parseDisassemblyLine("  401001:\tcmove  eax,edx")->address, 0x401001u);
    EXPECT_FALSE(parseDisassemblyLine("00401000 <.text>:").has_value());
    EXPECT_FALSE(parseDisassemblyLine("\t...").has_value());
    EXPECT_EQ(outside80486(disassembly, m),
              (std::vector<std::string>{"0x00401001  cmove  eax,edx  objects.a(main.cpp.obj)",
                                        "0x00401024  fcomi  st,st(1)  libstdc++.a(string-inst.o)"}));
    const std::vector<std::uint32_t> executed{0x401000, 0x401024};
    EXPECT_EQ(outside80486(disassembly, m, &executed),
              (std::vector<std::string>{"0x00401024  fcomi  st,st(1)  libstdc++.a(string-inst.o)"}));
}

}  // namespace
}  // namespace corvane::test
