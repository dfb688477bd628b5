// Which cards the installed Glide driver is for, told from the ProductName
// of its version resource: each generation of Glide reads the variables of
// its own cards.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

enum class GlideFamily : std::uint8_t {
    None,            // a driver that can't be told, or Voodoo Rush's
    VoodooGraphics,  // reads SST_ names; its clock is about 50 MHz
    Voodoo2,         // reads SSTV2_ names
    Later,           // Banshee, Voodoo3, Voodoo4 and Voodoo5: SSTH3_ names and FX_GLIDE_REFRESH
};

// "Voodoo Graphics" gives Voodoo Graphics; "Voodoo^2" Voodoo2; "Banshee",
// "Voodoo3", "Voodoo4", "Voodoo5" or "Velocity" the later family; anything
// else none. Case is ignored.
GlideFamily familyOf(std::wstring_view productName);

// The families of the Glide DLLs installed (glide2x.dll and glide3x.dll).
struct GlideCards {
    bool voodooGraphics = false;
    bool voodoo2 = false;
    bool later = false;
    bool none() const { return !voodooGraphics && !voodoo2 && !later; }
    void add(GlideFamily f) {
        voodooGraphics = voodooGraphics || f == GlideFamily::VoodooGraphics;
        voodoo2 = voodoo2 || f == GlideFamily::Voodoo2;
        later = later || f == GlideFamily::Later;
    }
};

}  // namespace corvane
