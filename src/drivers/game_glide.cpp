#include "drivers/game_glide.h"

#include "drivers/file_version.h"
#include "drivers/glide_image.h"
#include "platform/names.h"

namespace corvane {

namespace {

constexpr const wchar_t* kGlideDlls[] = {L"glide2x.dll", L"glide3x.dll"};

// A folder's path without a backslash at its end, but for a root's.
std::wstring withoutEndSlash(std::wstring folder) {
    if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    return folder;
}

bool anySays(const std::vector<std::wstring>& values, const wchar_t* word) {
    for (const std::wstring& v : values) {
        if (containsNoCase(v, word)) return true;
    }
    return false;
}

}  // namespace

GlideFinder::GlideFinder(FolderService& folders, VersionService& versions, ImageFileService& images,
                         const CodePageService& codePage, std::vector<std::string> names)
    : folders_(folders), versions_(versions), images_(images), codePage_(codePage), names_(std::move(names)) {}

GameGlide GlideFinder::find(const std::wstring& program) {
    // Where Windows looks: the program's folder, the system's own system
    // folder, the fixed one the driver scan reads, the Windows folder.
    using Where = FoundGlide::Where;
    const std::wstring system = withoutEndSlash(folders_.systemFolder());
    std::vector<std::pair<std::wstring, Where>> folders;
    for (auto [f, where] : {std::pair{folderOf(program), Where::GamesFolder}, std::pair{system, Where::SystemFolder},
                            std::pair{std::wstring(L"C:\\Windows\\System"), Where::SystemFolder},
                            std::pair{system.empty() ? std::wstring() : folderOf(system), Where::WindowsFolder},
                            std::pair{std::wstring(L"C:\\Windows"), Where::WindowsFolder}}) {
        f = withoutEndSlash(std::move(f));
        bool listed = f.empty();
        for (const auto& g : folders) listed = listed || equalNoCase(f, g.first);
        if (!listed) folders.emplace_back(std::move(f), where);
    }
    GameGlide out;
    const unsigned loaded = dllsLoaded(program);
    for (unsigned d = 0; d < 2; ++d) {
        if ((loaded >> d & 1) == 0) continue;
        for (const auto& [folder, where] : folders) {
            if (const std::optional<std::size_t> found = look(joinPath(folder, kGlideDlls[d]))) {
                out.found.push_back(read_[*found]);
                out.found.back().where = where;
                break;
            }
        }
    }
    return out;
}

unsigned GlideFinder::dllsLoaded(const std::wstring& program) {
    unsigned named = 0;
    if (const std::unique_ptr<ByteSource> file = images_.open(program)) {
        if (const std::optional<std::vector<std::string>> imports = importedModules(*file)) {
            for (const std::string& m : *imports) {
                for (unsigned d = 0; d < 2; ++d) {
                    if (equalNoCase(std::wstring(m.begin(), m.end()), kGlideDlls[d])) named |= 1u << d;
                }
            }
        }
    }
    return named != 0 ? named : 3u;
}

std::optional<std::size_t> GlideFinder::look(const std::wstring& path) {
    for (std::size_t i = 0; i < read_.size(); ++i) {
        if (read_[i].path == path) return i;
    }
    // A DLL not there is looked for again at the next pick: it may be copied in.
    const std::unique_ptr<ByteSource> file = images_.open(path);
    if (!file) return std::nullopt;
    const std::size_t at = read_.size();
    FoundGlide& found = read_.emplace_back();
    found.path = path;
    std::vector<std::string_view> names(names_.begin(), names_.end());
    found.held = namesHeld(*file, names);
    const std::uint32_t size = versions_.size(path);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(size) + 1, 0);
    if (size == 0 || !versions_.read(path, block)) return at;
    const std::vector<std::wstring> products = versionStrings(versions_, block, "ProductName", codePage_);
    const std::vector<std::wstring> copyrights = versionStrings(versions_, block, "LegalCopyright", codePage_);
    found.family = familyOf(products);
    // Every 3dfx build names 3Dfx Interactive in its copyright. One without
    // a copyright (or whose copyright can't be read) is not taken for a
    // wrapper on that alone.
    found.wrapper = (!copyrights.empty() && !containsNoCase(copyrights.front(), L"3Dfx Interactive")) ||
                    anySays(products, L"wrapper") || anySays(copyrights, L"wrapper") ||
                    anySays(versionStrings(versions_, block, "FileDescription", codePage_), L"wrapper");
    // A wrapper that takes 3dfx's ProductName names itself in its copyright.
    const bool productIs3dfx = products.empty() || found.family != GlideFamily::None || anySays(products, L"Glide");
    if (!productIs3dfx) found.name = products.front();
    if (productIs3dfx && !copyrights.empty()) found.name = copyrights.front();
    return at;
}

GlideCards GameGlide::cards(const GlideCards& installed) const {
    GlideCards out;
    bool known = false;
    bool everyWrapper = !found.empty();
    std::uint64_t held = 0;
    for (const FoundGlide& g : found) {
        everyWrapper = everyWrapper && g.wrapper;
        if (g.wrapper || !g.known()) continue;
        known = true;
        out.add(g.family);
        held |= g.held;
    }
    if (everyWrapper) {
        const FoundGlide& g = found.front();
        out.wrapper = g.path.substr(g.path.find_last_of(L'\\') + 1);
        if (!g.name.empty()) out.wrapper += L", " + g.name;
        return out;
    }
    if (!known) return installed;
    if (held != 0) out.variablesHeld = held;
    return out;
}

bool GameGlide::known() const {
    for (const FoundGlide& g : found) {
        if (g.known()) return true;
    }
    return false;
}

std::wstring GameGlide::summary() const {
    constexpr std::size_t kLongestName = 20;
    std::wstring out;
    for (const FoundGlide& g : found) {
        if (!out.empty()) out += L", and ";
        out += g.path.substr(g.path.find_last_of(L'\\') + 1) + L", ";
        if (g.wrapper) {
            out += L"wrapper";
            if (!g.name.empty()) out += L" " + (g.name.size() <= kLongestName ? g.name : g.name.substr(0, kLongestName - 3) + L"...");
        } else {
            const std::wstring_view family = familyName(g.family);
            out += family.empty() ? std::wstring_view(L"cards unknown") : family;
        }
    }
    // Where it is, for one; for two, the tooltip says.
    if (found.size() == 1) {
        const FoundGlide::Where where = found.front().where;
        out += where == FoundGlide::Where::GamesFolder    ? L", in the game's folder"
               : where == FoundGlide::Where::SystemFolder ? L", in the system folder"
                                                          : L", in the Windows folder";
    }
    return out;
}

std::wstring GameGlide::words() const {
    std::wstring out;
    for (const FoundGlide& g : found) {
        if (!out.empty()) out += L"; ";
        const std::size_t slash = g.path.find_last_of(L'\\');
        out += g.path.substr(slash + 1) + L" in " + g.path.substr(0, slash) + L": ";
        if (g.wrapper) {
            out += L"a Glide wrapper";
            if (!g.name.empty()) out += L", " + g.name;
        } else {
            const std::wstring_view family = familyName(g.family);
            out += family.empty() ? std::wstring_view(L"a Glide of unknown cards") : family;
        }
    }
    return out;
}

}  // namespace corvane
