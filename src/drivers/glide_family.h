// Which cards the installed Glide driver is for, told from the ProductName
// of its version resource: each generation of Glide reads the variables of
// its own cards.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

namespace corvane {

enum class GlideFamily : std::uint8_t {
    None,            // a driver that can't be told
    VoodooGraphics,  // reads SST_ names; its clock is about 50 MHz
    Rush,            // Voodoo Rush's, which reads SST96_ names
    Voodoo2,         // reads SSTV2_ names
    Later,           // Banshee, Voodoo3, Voodoo4 and Voodoo5: SSTH3_ names and FX_GLIDE_REFRESH
};

// "Voodoo Graphics" gives Voodoo Graphics; "Voodoo Rush" Rush; "Voodoo^2",
// or "for Voodoo" and a sign (Voodoo2's Glide 2.53: "Glide(tm) for Voodoo(c)
// and Windows(r) 95/98"), Voodoo2; "Banshee", "Voodoo3", "Voodoo4",
// "Voodoo5" or "Velocity" the later family; anything else none. Case is
// ignored.
GlideFamily familyOf(std::wstring_view productName);
// The first family that one of a DLL's ProductNames names.
GlideFamily familyOf(const std::vector<std::wstring>& productNames);
// The family's name as the window shows it; empty for none.
std::wstring_view familyName(GlideFamily family);

// The families of the Glide DLLs installed (glide2x.dll and glide3x.dll).
struct GlideCards {
    GlideCards() = default;
    GlideCards(bool voodooGraphicsToo, bool voodoo2Too, bool laterToo)
        : voodooGraphics(voodooGraphicsToo), voodoo2(voodoo2Too), later(laterToo) {}
    bool voodooGraphics = false;
    bool voodoo2 = false;
    bool later = false;
    // Where the Glide the game loads holds names of the settings'
    // variables: one bit per variable, in the settings' order, and only
    // those are written. Unset: the families decide.
    std::optional<std::uint64_t> variablesHeld;
    // The Glide the game loads is a wrapper, which takes its settings from
    // its own configuration: the words the file names it by. Empty: none.
    std::wstring wrapper;
    bool none() const { return !voodooGraphics && !voodoo2 && !later; }
    void add(GlideFamily f) {
        voodooGraphics = voodooGraphics || f == GlideFamily::VoodooGraphics;
        voodoo2 = voodoo2 || f == GlideFamily::Voodoo2;
        later = later || f == GlideFamily::Later;
    }
};

}  // namespace corvane
