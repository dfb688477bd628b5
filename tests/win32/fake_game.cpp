// Stands in for a game: adds to report.txt in the current folder its own long
// file name and the Glide driver's variables it was started with (SST and
// FX_, sorted), and any of the batch file's probes (which must not reach it:
// "_" or "_" and a number, with a value of digits), one to a line, and ends.
// A game started twice reports twice.
#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

#include "platform/win32/win32.h"

int wmain() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t full[MAX_PATH];
    if (GetLongPathNameW(self, full, MAX_PATH) == 0) lstrcpynW(full, self, MAX_PATH);
    std::wstring name = full;
    name = name.substr(name.find_last_of(L'\\') + 1);

    std::vector<std::wstring> variables;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* v = block; *v != 0; v += lstrlenW(v) + 1) {
        const std::wstring s = v;
        const bool probe = s.size() > 2 && s[0] == L'_' && (iswdigit(s[1]) || (s[1] == L'=' && iswdigit(s[2])));
        if (s.rfind(L"SST", 0) == 0 || s.rfind(L"FX_", 0) == 0 || probe) variables.push_back(s);
    }
    FreeEnvironmentStringsW(block);
    std::sort(variables.begin(), variables.end());

    std::wstring report = name + L"\n";
    for (const std::wstring& v : variables) report += v + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, report.data(), static_cast<int>(report.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, report.data(), static_cast<int>(report.size()), bytes.data(), n, nullptr, nullptr);
    std::FILE* out = _wfopen(L"report.txt", L"ab");
    if (out == nullptr) return 1;
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    return 0;
}
