// Tooltips: tools added and moved, and their text answered, in the form the
// tooltip asks in.
#include "platform/win32/api/family.h"


namespace corvane::win32::api {

namespace {

// A tool, in the form of the path that runs, at the size every version of
// the common controls knows (4.00's, up to the text, the headers' _V1_SIZE):
// the later fields are not used.
template <typename Info>
void sendTool(HWND tips, UINT msg, UINT flags, HWND window, UINT_PTR id, const RECT& rect,
              decltype(Info::lpszText) text, UINT size) {
    Info ti{};
    ti.cbSize = size;
    ti.uFlags = flags;
    ti.hwnd = window;
    ti.uId = id;
    ti.rect = rect;
    ti.lpszText = text;
    send(tips, msg, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace

void addTool(HWND tips, UINT flags, HWND window, UINT_PTR id, const RECT& rect) {
    if (nt()) {
        sendTool<TTTOOLINFOW>(tips, TTM_ADDTOOLW, flags, window, id, rect, LPSTR_TEXTCALLBACKW, TTTOOLINFOW_V1_SIZE);
    } else {
        sendTool<TTTOOLINFOA>(tips, TTM_ADDTOOLA, flags, window, id, rect, LPSTR_TEXTCALLBACKA, TTTOOLINFOA_V1_SIZE);
    }
}

void moveTool(HWND tips, HWND window, UINT_PTR id, const RECT& rect) {
    if (nt()) {
        sendTool<TTTOOLINFOW>(tips, TTM_NEWTOOLRECTW, 0, window, id, rect, nullptr, TTTOOLINFOW_V1_SIZE);
    } else {
        sendTool<TTTOOLINFOA>(tips, TTM_NEWTOOLRECTA, 0, window, id, rect, nullptr, TTTOOLINFOA_V1_SIZE);
    }
}

// A tooltip asks in the form its tools were added in, or that its owner
// answered WM_NOTIFYFORMAT with: either may come.
std::optional<ToolTipAsk> toolTipAsk(const NMHDR& n) {
    if (n.code == TTN_GETDISPINFOW) {
        const auto& d = reinterpret_cast<const NMTTDISPINFOW&>(n);
        return ToolTipAsk{n.idFrom, (d.uFlags & TTF_IDISHWND) != 0};
    }
    if (n.code == TTN_GETDISPINFOA) {
        const auto& d = reinterpret_cast<const NMTTDISPINFOA&>(n);
        return ToolTipAsk{n.idFrom, (d.uFlags & TTF_IDISHWND) != 0};
    }
    return std::nullopt;
}

void answerToolTip(NMHDR& n, const wchar_t* text) {
    if (n.code == TTN_GETDISPINFOW) {
        auto& d = reinterpret_cast<NMTTDISPINFOW&>(n);
        d.szText[0] = 0;
        d.lpszText = const_cast<wchar_t*>(text);
    } else if (n.code == TTN_GETDISPINFOA) {
        // One tip shows at a time, and the tooltip copies its text.
        static std::string shown;
        shown = narrow(text);
        auto& d = reinterpret_cast<NMTTDISPINFOA&>(n);
        d.szText[0] = 0;
        d.lpszText = shown.data();
    }
}

}  // namespace corvane::win32::api
