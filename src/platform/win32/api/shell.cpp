// The shell, loaded only when it is asked for: opening a web address, and
// files dropped on a window.
#include "platform/win32/api/family.h"

#include <shobjidl.h>

#include <algorithm>

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

namespace {

// The shell's link object and the interfaces it is read through, as the
// Windows SDK documents them.
constexpr GUID kShellLink = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kShellLinkW = {0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

template <class Link, class Char, class FindData>
std::optional<std::wstring> targetOf(void* object, const std::wstring& link) {
    std::optional<std::wstring> out;
    auto* shellLink = static_cast<Link*>(object);
    IPersistFile* file = nullptr;
    if (FAILED(shellLink->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file)))) return out;
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
        Char path[MAX_PATH] = {};
        FindData found{};
        // Read within the buffer, whatever the shell wrote.
        if (shellLink->GetPath(path, MAX_PATH, &found, 0) == S_OK) {
            const Char* end = std::find(path, path + MAX_PATH, Char{});
            if (end != path && end != path + MAX_PATH) {
                const auto length = static_cast<std::size_t>(end - path);
                if constexpr (sizeof(Char) == 1) {
                    out = widen(std::string(path, length));
                } else {
                    out = std::wstring(path, length);
                }
            }
        }
    }
    file->Release();
    return out;
}

}  // namespace

std::optional<std::wstring> linkTarget(const std::wstring& link) {
    // OLE is loaded only when a shortcut is read.
    using InitializeFn = HRESULT(WINAPI*)(LPVOID);
    using UninitializeFn = void(WINAPI*)();
    using CreateFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    static const auto initialize = systemFunction<InitializeFn>(L"ole32.dll", "CoInitialize");
    static const auto uninitialize = systemFunction<UninitializeFn>(L"ole32.dll", "CoUninitialize");
    static const auto create = systemFunction<CreateFn>(L"ole32.dll", "CoCreateInstance");
    if (initialize == nullptr || uninitialize == nullptr || create == nullptr || seam::fails("CoCreateInstance")) {
        return std::nullopt;
    }
    const bool initialized = SUCCEEDED(initialize(nullptr));
    std::optional<std::wstring> out;
    void* object = nullptr;
    // 9x's shell reads links through the ANSI interface only.
    if (SUCCEEDED(create(kShellLink, nullptr, CLSCTX_INPROC_SERVER, nt() ? kShellLinkW : kShellLinkA, &object))) {
        if (nt()) {
            out = targetOf<IShellLinkW, wchar_t, WIN32_FIND_DATAW>(object, link);
            static_cast<IShellLinkW*>(object)->Release();
        } else {
            out = targetOf<IShellLinkA, char, WIN32_FIND_DATAA>(object, link);
            static_cast<IShellLinkA*>(object)->Release();
        }
    }
    if (initialized) uninitialize();
    return out;
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
