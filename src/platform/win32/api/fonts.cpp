// Fonts and text drawing.
#include "platform/win32/api/family.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace corvane::win32::api {

namespace {

LOGFONTA ansiFont(const LOGFONTW& w) {
    LOGFONTA a{};
    std::memcpy(&a, &w, offsetof(LOGFONTA, lfFaceName));
    const std::string face = narrow(w.lfFaceName);
    std::memcpy(a.lfFaceName, face.data(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    return a;
}

}  // namespace

HFONT createFont(const LOGFONTW& font) {
    if (nt()) return CreateFontIndirectW(&font);
    const LOGFONTA a = ansiFont(font);
    return CreateFontIndirectA(&a);
}

namespace {

int CALLBACK noteFaceW(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

int CALLBACK noteFaceA(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

bool fontFaceExists(const wchar_t* face) {
    LOGFONTW want{};
    want.lfCharSet = DEFAULT_CHARSET;
    for (std::size_t i = 0; i + 1 < LF_FACESIZE && face[i] != 0; ++i) want.lfFaceName[i] = face[i];
    HDC dc = GetDC(nullptr);
    bool found = false;
    if (nt()) {
        EnumFontFamiliesExW(dc, &want, noteFaceW, reinterpret_cast<LPARAM>(&found), 0);
    } else {
        LOGFONTA a = ansiFont(want);
        EnumFontFamiliesExA(dc, &a, noteFaceA, reinterpret_cast<LPARAM>(&found), 0);
    }
    ReleaseDC(nullptr, dc);
    return found;
}

int textHeight(HDC dc) {
    if (nt()) {
        TEXTMETRICW tm{};
        return GetTextMetricsW(dc, &tm) ? tm.tmHeight : 0;
    }
    TEXTMETRICA tm{};
    return GetTextMetricsA(dc, &tm) ? tm.tmHeight : 0;
}

SIZE textExtent(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

int drawText(HDC dc, std::wstring_view text, RECT& r, UINT format) {
    if (nt()) return DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, format);
    const std::string a = narrow(text);
    return DrawTextA(dc, a.data(), static_cast<int>(a.size()), &r, format);
}

}  // namespace corvane::win32::api
