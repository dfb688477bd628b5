// The shell, loaded only when it is asked for: opening a web address, and
// files dropped on a window.
#include "platform/win32/api/family.h"

namespace corvane::win32::api {

HINSTANCE shellOpen(const std::wstring& target) {
    // The shell is loaded only when it is asked for: loading it at start-up
    // costs more than making the window.
    using ExecuteW = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    using ExecuteA = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    if (nt()) {
        static const auto execute = systemFunction<ExecuteW>(L"shell32.dll", "ShellExecuteW");
        return execute != nullptr ? execute(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL) : nullptr;
    }
    static const auto execute = systemFunction<ExecuteA>(L"shell32.dll", "ShellExecuteA");
    return execute != nullptr ? execute(nullptr, "open", narrow(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL)
                              : nullptr;
}

void acceptDrops(HWND h) {
    using AcceptFn = void(WINAPI*)(HWND, BOOL);
    if (auto accept = systemFunction<AcceptFn>(L"shell32.dll", "DragAcceptFiles")) accept(h, TRUE);
}

std::vector<std::wstring> droppedFiles(HDROP drop) {
    using QueryW = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
    using QueryA = UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT);
    using FinishFn = void(WINAPI*)(HDROP);
    static const auto queryW = nt() ? systemFunction<QueryW>(L"shell32.dll", "DragQueryFileW") : nullptr;
    static const auto queryA = nt() ? nullptr : systemFunction<QueryA>(L"shell32.dll", "DragQueryFileA");
    static const auto finish = systemFunction<FinishFn>(L"shell32.dll", "DragFinish");
    std::vector<std::wstring> paths;
    if (queryW != nullptr) {
        const UINT count = queryW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(queryW(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(queryW(drop, i, path.data(), static_cast<UINT>(path.size())));
            if (!path.empty()) paths.push_back(std::move(path));
        }
    } else if (queryA != nullptr) {
        const UINT count = queryA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::string path(queryA(drop, i, nullptr, 0) + 1, '\0');
            path.resize(queryA(drop, i, path.data(), static_cast<UINT>(path.size())));
            if (!path.empty()) paths.push_back(widen(path));
        }
    }
    if (finish != nullptr) finish(drop);
    return paths;
}

}  // namespace corvane::win32::api
