#include "platform/win32/hand_over.h"

#include "platform/win32/window_view.h"

namespace corvane::win32 {

namespace {

constexpr ULONG_PTR kPathsTag = 0x43564E50;  // "CVNP"
constexpr DWORD kMostBytes = 1 << 20;

}  // namespace

bool handOverPaths(const std::wstring& caption, const std::vector<std::wstring>& paths) {
    // The paths one after the other, each ended by a zero.
    std::wstring block;
    for (const std::wstring& p : paths) block.append(p).push_back(L'\0');
    COPYDATASTRUCT data{kPathsTag, static_cast<DWORD>(block.size() * sizeof(wchar_t)), block.data()};
    if (data.cbData > kMostBytes) return false;
    for (int tries = 0; tries < 100; ++tries) {
        HWND h = api::findWindow(kWindowClass, caption);
        if (h != nullptr) {
            if (IsIconic(h)) ShowWindow(h, SW_RESTORE);
            SetForegroundWindow(GetLastActivePopup(h));
            DWORD_PTR taken = 0;
            return api::sendTimeout(h, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &taken) !=
                       0 &&
                   taken != 0;
        }
        Sleep(50);
    }
    return false;
}

std::vector<std::wstring> handedPaths(const COPYDATASTRUCT& data) {
    std::vector<std::wstring> out;
    if (data.dwData != kPathsTag || data.lpData == nullptr || data.cbData > kMostBytes ||
        data.cbData % sizeof(wchar_t) != 0) {
        return out;
    }
    const auto* text = static_cast<const wchar_t*>(data.lpData);
    const std::size_t n = data.cbData / sizeof(wchar_t);
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] != L'\0') continue;
        if (i > start) out.emplace_back(text + start, i - start);
        start = i + 1;
    }
    // A last path without its zero is cut off: the message is not ours.
    return start == n ? out : std::vector<std::wstring>{};
}

}  // namespace corvane::win32
