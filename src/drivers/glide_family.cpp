#include "drivers/glide_family.h"

#include "platform/names.h"

namespace corvane {

GlideFamily familyOf(std::wstring_view productName) {
    if (containsNoCase(productName, L"Voodoo Graphics")) return GlideFamily::VoodooGraphics;
    if (containsNoCase(productName, L"Voodoo^2")) return GlideFamily::Voodoo2;
    for (const wchar_t* later : {L"Banshee", L"Voodoo3", L"Voodoo4", L"Voodoo5", L"Velocity"}) {
        if (containsNoCase(productName, later)) return GlideFamily::Later;
    }
    return GlideFamily::None;
}

}  // namespace corvane
