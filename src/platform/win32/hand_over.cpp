#include "platform/win32/hand_over.h"

#include "platform/path_block.h"
#include "platform/win32/api.h"
#include "platform/win32/window_class.h"

namespace corvane::win32 {

bool handOverPaths(const std::wstring& caption, const std::vector<std::wstring>& paths) {
    std::vector<std::uint8_t> block = pathBlock(paths);
    if (block.size() > kPathBlockMostBytes) return false;
    COPYDATASTRUCT data{kPathBlockTag, static_cast<DWORD>(block.size()), block.data()};
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
    return pathsInBlock(data.dwData, data.lpData, data.cbData);
}

}  // namespace corvane::win32
