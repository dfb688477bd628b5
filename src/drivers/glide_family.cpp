#include "drivers/glide_family.h"

#include "platform/names.h"

namespace corvane {

GlideFamily familyOf(std::wstring_view productName) {
    if (containsNoCase(productName, L"Voodoo Graphics")) return GlideFamily::VoodooGraphics;
    if (containsNoCase(productName, L"Voodoo Rush")) return GlideFamily::Rush;
    if (containsNoCase(productName, L"Voodoo^2")) return GlideFamily::Voodoo2;
    for (const wchar_t* later : {L"Banshee", L"Voodoo3", L"Voodoo4", L"Voodoo5", L"Velocity"}) {
        if (containsNoCase(productName, later)) return GlideFamily::Later;
    }
    // The copyright sign, or the stand-in of a code page without it.
    constexpr std::wstring_view kForVoodoo = L"for Voodoo";
    for (std::size_t at = 0; at + kForVoodoo.size() < productName.size(); ++at) {
        const wchar_t after = productName[at + kForVoodoo.size()];
        if (equalNoCase(productName.substr(at, kForVoodoo.size()), kForVoodoo) && after != L' ' && after != L'^' &&
            !(after >= L'0' && after <= L'9') && !(after >= L'A' && after <= L'Z') && !(after >= L'a' && after <= L'z')) {
            return GlideFamily::Voodoo2;
        }
    }
    return GlideFamily::None;
}

GlideFamily familyOf(const std::vector<std::wstring>& productNames) {
    for (const std::wstring& name : productNames) {
        if (const GlideFamily f = familyOf(std::wstring_view(name)); f != GlideFamily::None) return f;
    }
    return GlideFamily::None;
}

std::wstring_view familyName(GlideFamily family) {
    switch (family) {
        case GlideFamily::VoodooGraphics: return L"Voodoo Graphics";
        case GlideFamily::Rush: return L"Voodoo Rush";
        case GlideFamily::Voodoo2: return L"Voodoo2";
        case GlideFamily::Later: return L"Banshee to Voodoo5";
        case GlideFamily::None: break;
    }
    return {};
}

}  // namespace corvane
