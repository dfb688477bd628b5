// The Glide a game loads, found as Windows finds a DLL for it: in the
// program's own folder first, then the system folders, then the Windows
// folder. Which of glide2x.dll and glide3x.dll counts, its import table
// says; a program that names neither loads Glide at run time, and both
// count. What each is comes from the DLL itself: the variables' names it
// holds, and its version strings (the family, and whether 3dfx made it).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drivers/glide_family.h"
#include "platform/services.h"

namespace corvane {

struct FoundGlide {
    std::wstring path;
    enum class Where : std::uint8_t { GamesFolder, SystemFolder, WindowsFolder } where = Where::SystemFolder;
    GlideFamily family = GlideFamily::None;
    bool wrapper = false;       // its version strings do not say 3dfx made it, or name it a wrapper
    std::wstring name;          // a wrapper's name, as its version strings give it
    std::uint64_t held = 0;     // bit i: it holds the i-th name asked for
    bool known() const { return wrapper || held != 0 || family != GlideFamily::None; }
};

struct GameGlide {
    std::vector<FoundGlide> found;  // in the order looked for: glide2x.dll, glide3x.dll
    // What the batch file is made for: the families, the names held, and
    // the wrapper where every Glide found is one. Where nothing is known,
    // `installed` (the cards the driver scan found).
    GlideCards cards(const GlideCards& installed) const;
    // Whether the Glide is told: a family, the names it holds, or a wrapper.
    bool known() const;
    // What the window says of it: "glide2x.dll in C:\GAMES\HOVER: Voodoo2";
    // empty where no Glide was found.
    std::wstring words() const;
    // The same, short enough for two lines of the page: "glide2x.dll,
    // Voodoo2, in the game's folder"; of two, the files and what they are.
    std::wstring summary() const;
};

class GlideFinder {
public:
    // `names`: the variables to look for, at most 64.
    GlideFinder(FolderService& folders, VersionService& versions, ImageFileService& images,
                const CodePageService& codePage, std::vector<std::string> names);

    GameGlide find(const std::wstring& program);

private:
    // The DLL at `path`, read once, as its place in read_; none where it
    // can't be opened.
    std::optional<std::size_t> look(const std::wstring& path);
    // Bit 0 glide2x.dll, bit 1 glide3x.dll: those the program's import table
    // names; both where it names neither or can't be read.
    unsigned dllsLoaded(const std::wstring& program);

    FolderService& folders_;
    VersionService& versions_;
    ImageFileService& images_;
    const CodePageService& codePage_;
    std::vector<std::string> names_;
    std::vector<FoundGlide> read_;  // each DLL read once, by its path
};

}  // namespace corvane
