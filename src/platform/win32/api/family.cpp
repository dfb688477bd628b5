// Text conversion for the 9x path, and which family runs.
#include "platform/win32/api/family.h"

#include <algorithm>

namespace corvane::win32::api {

bool nt() {
    static const bool family = (GetVersion() & 0x80000000u) == 0;
    return family;
}

std::string narrow(std::wstring_view s) {
    if (s.empty()) return {};
    const int n = static_cast<int>(s.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, s.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, s.data(), n, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring widen(std::string_view s) {
    if (s.empty()) return {};
    const int n = static_cast<int>(s.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, s.data(), n, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, s.data(), n, out.data(), size);
    return out;
}

bool narrowPath(std::wstring_view s, std::string& out) {
    BOOL lossy = FALSE;
    out = std::string();
    if (s.empty()) return true;
    const int n = static_cast<int>(s.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, s.data(), n, nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return false;
    out.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, s.data(), n, out.data(), size, nullptr, &lossy);
    if (lossy || widen(out) != s) return false;
    return true;
}

}  // namespace corvane::win32::api
