// Every caption of both windows shows whole, on one line, in the font its
// control holds, at the DPIs people run; and that font is the dialog font,
// whatever the system's message font is.
#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

#include "help/help_window.h"
#include "platform/input.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_view.h"
#include "support/rig.h"

namespace corvane {
namespace {

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int scaled(int px, UINT dpi) { return MulDiv(px, static_cast<int>(dpi), 96); }

// The text's extent in the control's own font; "&" marks an access key.
SIZE extent(HWND h, const std::wstring& text, UINT format, int width = 0) {
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return {r.right - r.left, r.bottom - r.top};
}

int lineHeight(HWND h) { return extent(h, L"Ag", DT_SINGLELINE).cy; }

class Windows {
public:
    explicit Windows(UINT dpi) : dpi_(dpi) {
        rig_.start();
        main_ = std::make_unique<win32::WindowView>(rig_.form.window);
        main_->create(nullptr, {});
        help_.load();
        helpView_ = std::make_unique<win32::WindowView>(help_.window);
        helpView_->create(nullptr, {.minimizeBox = false});
        for (win32::WindowView* v : {main_.get(), helpView_.get()}) {
            if (dpi != 96) {
                RECT r{};
                GetWindowRect(v->hwnd(), &r);
                SendMessageW(v->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
            }
            v->show();
        }
        pump();
    }

    MainWindow& form() { return rig_.form; }
    HelpWindow& help() { return help_; }
    win32::WindowView& mainView() { return *main_; }
    win32::WindowView& helpView() { return *helpView_; }

    // What does not fit in the window that `view` shows, one line a control.
    std::string misfits(win32::WindowView& view) {
        std::ostringstream out;
        for (const auto& owned : view.model().controls()) {
            const Control& c = *owned;
            HWND h = view.nativeOf(c);
            if (!IsWindowVisible(h)) continue;
            RECT client{};
            GetClientRect(h, &client);
            const int room = client.right;
            const auto check = [&](const std::wstring& text, int need, int have) {
                if (need > have) out << c.name() << " \"" << narrow(text) << "\" needs " << need << " px, has " << have << "\n";
            };
            // The caption of the kinds that have one, as the model holds it now.
            const auto captionNow = [&] { return static_cast<const Captioned&>(c).caption(); };
            switch (c.kind()) {
                case Kind::Label: {
                    if (captionNow().empty()) break;
                    const int line = lineHeight(h);
                    if (client.bottom >= 2 * line) {
                        // A label with room for several lines wraps inside its box.
                        check(captionNow(), extent(h, captionNow(), DT_WORDBREAK | DT_NOPREFIX, room).cy, client.bottom);
                    } else {
                        check(captionNow(), extent(h, captionNow(), DT_SINGLELINE | DT_NOPREFIX).cx, room);
                    }
                    break;
                }
                case Kind::CheckBox:
                    // The box itself and the gap before the caption.
                    check(captionNow(), scaled(17, dpi_) + extent(h, captionNow(), DT_SINGLELINE).cx, room);
                    break;
                case Kind::CommandButton:
                    check(captionNow(), scaled(6, dpi_) + extent(h, captionNow(), DT_SINGLELINE).cx, room);
                    break;
                case Kind::Frame:
                    // Drawn over the top edge, after an indent, with a gap on each side.
                    check(captionNow(), scaled(16, dpi_) + extent(h, captionNow(), DT_SINGLELINE).cx, room);
                    break;
                case Kind::TabStrip: {
                    const int count = static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
                    RECT last{};
                    SendMessageW(h, TCM_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
                    check(L"last tab", last.right, room);
                    HWND arrows = FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr);
                    if (arrows != nullptr && IsWindowVisible(arrows)) out << c.name() << " scrolls\n";
                    for (int i = 0; i < count; ++i) {
                        RECT r{};
                        SendMessageW(h, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
                        const std::wstring caption = as<TabStrip>(c).tab(i + 1).caption;
                        check(caption, extent(h, caption, DT_SINGLELINE).cx, r.right - r.left);
                    }
                    break;
                }
                default:
                    break;
            }
        }
        return out.str();
    }

private:
    static std::string narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

    UINT dpi_;
    test::Rig rig_;
    HelpWindow help_{rig_.services};
    std::unique_ptr<win32::WindowView> main_;
    std::unique_ptr<win32::WindowView> helpView_;
};

// The face the system drew for the control's font, after substitution.
std::wstring faceOf(HWND h) {
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    std::wstring face = L"(no outline font)";
    if (const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr); size != 0) {
        std::vector<char> buf(size);
        auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(buf.data());
        if (GetOutlineTextMetricsW(dc, size, otm) != 0) {
            face = reinterpret_cast<const wchar_t*>(buf.data() + reinterpret_cast<std::uintptr_t>(otm->otmpFamilyName));
        }
    }
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return face;
}

class CaptionsFit : public ::testing::TestWithParam<UINT> {};

TEST_P(CaptionsFit, OnEveryPageAndInTheHelpWindow) {
    const UINT dpi = GetParam();
    Windows w(dpi);
    std::wcout << L"MS Shell Dlg is drawn in \"" << faceOf(w.mainView().nativeOf(w.form().controls.batchNameCaption)) << L"\" at "
               << dpi << L" DPI\n";
    for (int tab = 1; tab <= 3; ++tab) {
        input::clickTab(w.form().controls.tabs, tab);
        if (tab == 1) {
            // The naming arrangement shows the batch-name label and box too.
            w.form().controls.batchNameCaption.setVisible(true);
            w.form().controls.batchName.setVisible(true);
        }
        pump();
        EXPECT_EQ(w.misfits(w.mainView()), "") << "page " << tab << " at " << dpi << " DPI";
    }
    EXPECT_EQ(w.misfits(w.helpView()), "") << "help window at " << dpi << " DPI";
    for (int topic = 0; topic < 3; ++topic) {
        input::pickEntry(w.help().controls.topicList, topic);
        pump();
        EXPECT_EQ(w.misfits(w.helpView()), "") << "help topic " << topic << " at " << dpi << " DPI";
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, CaptionsFit, ::testing::Values(96u, 120u, 144u, 192u));

// Sets the system's message font for the length of a test, and back.
class MessageFontSet {
public:
    explicit MessageFontSet(const wchar_t* face, int height) {
        saved_.cbSize = sizeof saved_;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
        NONCLIENTMETRICSW changed = saved_;
        lstrcpynW(changed.lfMessageFont.lfFaceName, face, LF_FACESIZE);
        changed.lfMessageFont.lfHeight = height;
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof changed, &changed, SPIF_SENDCHANGE);
    }
    ~MessageFontSet() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, SPIF_SENDCHANGE); }
    MessageFontSet(const MessageFontSet&) = delete;
    MessageFontSet& operator=(const MessageFontSet&) = delete;

private:
    NONCLIENTMETRICSW saved_{};
};

TEST(DialogFont, DoesNotFollowTheMessageFont) {
    MessageFontSet big(L"Courier New", -24);
    NONCLIENTMETRICSW now{};
    now.cbSize = sizeof now;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof now, &now, 0);
    ASSERT_EQ(now.lfMessageFont.lfHeight, -24) << "the message font could not be changed";
    for (const UINT dpi : {96u, 144u}) {
        Windows w(dpi);
        for (win32::WindowView* view : {&w.mainView(), &w.helpView()}) {
            // The settings change reaches the windows as it does on a desktop.
            SendMessageW(view->hwnd(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
            for (const auto& c : view->model().controls()) {
                if (c->kind() == Kind::Slider || c->kind() == Kind::Image || c->kind() == Kind::Line) continue;
                LOGFONTW lf{};
                GetObjectW(reinterpret_cast<HFONT>(SendMessageW(view->nativeOf(*c), WM_GETFONT, 0, 0)), sizeof lf, &lf);
                if (c->row().font != nullptr) {
                    EXPECT_EQ(lf.lfHeight, -MulDiv(c->row().font->hundredthsOfPoint, static_cast<int>(dpi), 7200))
                        << c->name();
                    continue;
                }
                EXPECT_STREQ(lf.lfFaceName, L"MS Shell Dlg") << c->name() << " at " << dpi;
                EXPECT_EQ(lf.lfHeight, -MulDiv(8, static_cast<int>(dpi), 72)) << c->name() << " at " << dpi;
            }
        }
    }
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// The pixel size of an icon.
int iconSize(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
    BITMAP bm{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return bm.bmWidth;
}

// After a change of DPI the help window's icons are made again at the new
// size: the one in the window, and those of its title bar.
TEST(DpiChange, IconsTakeTheNewSize) {
    Windows w(144);
    HWND help = w.helpView().hwnd();
    HWND image = w.helpView().nativeOf(w.help().controls.icon);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(iconSize(reinterpret_cast<HICON>(SendMessageW(image, STM_GETICON, 0, 0))), 48);
    EXPECT_EQ(iconSize(reinterpret_cast<HICON>(SendMessageW(help, WM_GETICON, ICON_BIG, 0))), 48);
    EXPECT_EQ(iconSize(reinterpret_cast<HICON>(SendMessageW(help, WM_GETICON, ICON_SMALL, 0))), 24);
}

}  // namespace
}  // namespace corvane
