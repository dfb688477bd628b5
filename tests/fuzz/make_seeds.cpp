// Writes the fuzzer's starting files: sound PE, PE32+ and NE images with
// version resources in both layouts.
#include <fstream>
#include <string>

#include "support/images.h"

using namespace corvane::test;

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string dir = argv[1];
    const std::string wide =
        serialize32(versionInfo({{"040904B0", {{"FileVersion", u"1.00.0035"}, {"ProductName", u"Glide"}}}},
                                {0x04B00409, 0x04E40407}));
    const std::string narrow =
        serialize16(versionInfo({{"040904E4", {{"FileVersion", u"4.03.00.2102"}}}}, {0x04E40409}, false));
    const std::string files[] = {
        peImage({{0x0409, wide}}),
        peImage({{0, wide}, {0x0407, wide}}, {.pe32plus = true}),
        neImage(narrow, 4),
        neImage(narrow, 9),
        peImage({}),
    };
    int i = 0;
    for (const auto& f : files) {
        std::ofstream(dir + "/seed-" + std::to_string(i++), std::ios::binary) << f;
    }
    return 0;
}
