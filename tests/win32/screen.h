// The screen as a user sees it and input as a user gives it: copies of the
// screen's own pixels, and clicks and keys through the system's input queue,
// for corvane.exe running as its own process.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/win32.h"

namespace corvane::test {

// How many times longer than usual to wait for the program, from
// CORVANE_PATIENCE (1 when unset): under an emulator it starts in a minute
// and answers slowly.
inline int patience() {
    wchar_t text[16] = {};
    const int factor = GetEnvironmentVariableW(L"CORVANE_PATIENCE", text, 16) != 0 ? _wtoi(text) : 1;
    return factor > 0 ? factor : 1;
}
// A wait of `ms` milliseconds at the program's usual speed.
inline DWORD waitMs(DWORD ms) { return ms * static_cast<DWORD>(patience()); }

// A copy of a rectangle of the screen, in screen coordinates.
class Shot {
public:
    explicit Shot(const RECT& r) : r_(r), w_(r.right - r.left), h_(r.bottom - r.top) {
        if (w_ <= 0 || h_ <= 0) return;
        px_.resize(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_));
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w_;
        bi.bmiHeader.biHeight = -h_;  // top row first
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dib != nullptr) {
            HGDIOBJ old = SelectObject(mem, dib);
            BitBlt(mem, 0, 0, w_, h_, screen, r.left, r.top, SRCCOPY);
            GdiFlush();
            const auto* p = static_cast<const std::uint32_t*>(bits);
            px_.assign(p, p + px_.size());
            for (std::uint32_t& v : px_) v |= 0xFF000000u;  // opaque, as the screen is
            SelectObject(mem, old);
            DeleteObject(dib);
        }
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
    }

    const RECT& rect() const { return r_; }
    bool operator==(const Shot& o) const { return px_ == o.px_ && EqualRect(&r_, &o.r_); }

    // The colour at a screen point (red in the lowest byte); white outside.
    COLORREF at(int x, int y) const {
        if (x < r_.left || y < r_.top || x >= r_.right || y >= r_.bottom) return RGB(255, 255, 255);
        const std::uint32_t v = px_[static_cast<std::size_t>(y - r_.top) * static_cast<std::size_t>(w_) +
                                    static_cast<std::size_t>(x - r_.left)];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }

    // Pixels of `r` (screen coordinates) that differ from `background`,
    // leaving out those inside the rectangles of `skip`.
    int differing(const RECT& r, COLORREF background, const std::vector<RECT>& skip = {}) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const POINT p{x, y};
                bool skipped = false;
                for (const RECT& s : skip) skipped = skipped || PtInRect(&s, p);
                n += !skipped && distinct(at(x, y), background) ? 1 : 0;
            }
        }
        return n;
    }
    // Pixels of `r` that are `colour`.
    int matching(const RECT& r, COLORREF colour) const {
        return (r.right - r.left) * (r.bottom - r.top) - differing(r, colour);
    }

    // As a BMP file, to look at when a check fails.
    void save(const std::string& path) const {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) return;
        BITMAPFILEHEADER fh{};
        BITMAPINFOHEADER ih{};
        ih.biSize = sizeof ih;
        ih.biWidth = w_;
        ih.biHeight = -h_;
        ih.biPlanes = 1;
        ih.biBitCount = 32;
        const DWORD size = static_cast<DWORD>(px_.size() * 4);
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof fh + sizeof ih;
        fh.bfSize = fh.bfOffBits + size;
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&ih, sizeof ih, 1, f);
        std::fwrite(px_.data(), 1, size, f);
        std::fclose(f);
    }

    static bool distinct(COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                   std::abs(GetBValue(a) - GetBValue(b)) > 48;
    }

private:
    RECT r_;
    int w_, h_;
    std::vector<std::uint32_t> px_;
};

// The screen in `r` once painting is done there: two copies in a row, a
// tenth of a second apart, that are the same (at most five seconds; both
// at the program's usual speed).
inline Shot settled(const RECT& r) {
    Shot last(r);
    for (int i = 0; i < 50; ++i) {
        Sleep(waitMs(100));
        Shot next(r);
        if (next == last) return next;
        last = std::move(next);
    }
    return last;
}

// The rectangle of a window, or of its client area, on the screen.
inline RECT screenRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}
inline RECT clientOnScreen(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline void sendInputs(std::vector<INPUT> in) {
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    Sleep(50);
}

inline INPUT mouseAt(POINT p, DWORD flags) {
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    i.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    i.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return i;
}

inline void moveTo(POINT p) { sendInputs({mouseAt(p, 0)}); }

// A left click at a point of the screen.
inline void click(POINT p) {
    sendInputs({mouseAt(p, 0), mouseAt(p, MOUSEEVENTF_LEFTDOWN), mouseAt(p, MOUSEEVENTF_LEFTUP)});
}
inline void doubleClick(POINT p) {
    click(p);
    click(p);
}
inline POINT centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

inline INPUT keyInput(WORD vk, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return i;
}

// A key pressed and let go, with a modifier key (VK_SHIFT, VK_MENU) held
// down around it when one is given.
inline void key(WORD vk, WORD modifier = 0, WORD second = 0) {
    std::vector<INPUT> in;
    for (const WORD m : {modifier, second}) {
        if (m != 0) in.push_back(keyInput(m, false));
    }
    in.push_back(keyInput(vk, false));
    in.push_back(keyInput(vk, true));
    for (const WORD m : {second, modifier}) {
        if (m != 0) in.push_back(keyInput(m, true));
    }
    sendInputs(in);
}

// The rectangle of item `index` (from 0) of another process's tab control
// (TCM_GETITEMRECT) or list box (LB_GETITEMRECT), on the screen. The system
// carries a list box's rectangle between the processes itself; a common
// control's message needs memory of that process, which a process run by an
// emulator does not share (see tabCentre).
inline RECT itemOnScreen(HANDLE process, HWND control, UINT message, int index) {
    RECT r{};
    DWORD_PTR ok = 0;
    if (message == LB_GETITEMRECT) {
        SendMessageTimeoutW(control, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r),
                            SMTO_ABORTIFHUNG, waitMs(5000), &ok);
        if (ok == static_cast<DWORD_PTR>(LB_ERR)) r = {};
    } else {
        void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (remote == nullptr) return r;
        SendMessageTimeoutW(control, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote),
                            SMTO_ABORTIFHUNG, waitMs(5000), &ok);
        if (ok != 0) ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Out of every window's way, so that no tooltip covers what is looked at.
inline void mouseAway() { moveTo({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2}); }

// The window that has the keyboard focus in another process's thread.
inline HWND focusOf(DWORD thread) {
    GUITHREADINFO gi{};
    gi.cbSize = sizeof gi;
    return GetGUIThreadInfo(thread, &gi) ? gi.hwndFocus : nullptr;
}

}  // namespace corvane::test
