// The command line split as the C runtime splits it.
#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace corvane {
namespace {

TEST(CommandLine, SplitsAsTheRuntimeDoes) {
    using Args = std::vector<std::wstring>;
    const struct {
        const wchar_t* line;
        Args args;
    } cases[] = {
        {L"corvane.exe", {}},
        {L"\"C:\\Program Files\\corvane.exe\"", {}},
        {L"\"C:\\Program Files\\corvane.exe\"   ", {}},
        {L"C:\\x\\corvane.exe C:\\Games\\Hover", {L"C:\\Games\\Hover"}},
        {L"\"C:\\a b\\corvane.exe\" \"C:\\Games\\Hover\\Hover Tank.exe\"", {L"C:\\Games\\Hover\\Hover Tank.exe"}},
        {L"corvane.exe a\tb  c", {L"a", L"b", L"c"}},
        // Backslashes are plain unless they stand before a quote.
        {L"corvane.exe \"C:\\Games\\\\\" next", {L"C:\\Games\\", L"next"}},
        {L"corvane.exe C:\\a\\\\b", {L"C:\\a\\\\b"}},
        {L"corvane.exe a\\\"b", {L"a\"b"}},
        {L"corvane.exe a\\\\\\\"b", {L"a\\\"b"}},
        {L"corvane.exe \"a\"\"b\" c", {L"a\"b", L"c"}},
        {L"corvane.exe \"\"", {L""}},
        {L"corvane.exe \"open", {L"open"}},
        {L"corvane.exe x\\", {L"x\\"}},
        {L"corvane.exe a\"b c\"d", {L"ab cd"}},
        {L"\"odd name.exe", {}},
        {L"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitCommandLine(c.line), c.args) << c.line;
}

}  // namespace
}  // namespace corvane
