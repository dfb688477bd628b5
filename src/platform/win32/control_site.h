// What a native control needs of the window view that holds it, and no more:
// its DPI and dialog font, the tooltips, brushes and the program's icon,
// whether the view is copying the model to the controls just now, and the
// passing on of its children's notifications.
#pragma once

#include <cstdint>

#include "platform/win32/win32.h"

namespace corvane::win32 {

// Tool ids of the tooltip rectangles that stand for disabled controls: this
// base plus the control's id.
inline constexpr UINT_PTR kRectToolBase = 0x4000;

class ControlSite {
public:
    virtual UINT dpi() const = 0;
    virtual HFONT font() const = 0;  // the dialog font at this DPI
    virtual int textHeight() const = 0;
    virtual bool mirroring() const = 0;  // model changes are being copied to the controls
    virtual HWND tips() const = 0;       // null until the window is shown
    virtual HBRUSH brush(std::uint32_t colour) = 0;
    virtual HICON icon() = 0;
    // Notifications a control's parent receives, passed to the control they
    // come from. `done` is false for messages that are not such notifications.
    virtual LRESULT route(UINT msg, WPARAM w, LPARAM l, bool& done) = 0;

protected:
    ~ControlSite() = default;
};

}  // namespace corvane::win32
