// Picking a program from outside the window: files or folders dropped on it,
// or named on the command line. A pick goes through the page as browsing to
// the folder and clicking the program do, in the same order.
#include <algorithm>

#include "app/main_window.h"
#include "platform/decimal.h"
#include "platform/input.h"
#include "platform/names.h"

namespace corvane {

namespace {

constexpr std::size_t kNamesShown = 10;

struct Place {
    std::wstring folder;  // "D:\Games\Hover"; a drive root keeps its backslash
    std::wstring name;    // empty for a drive root
};

Place placeOf(std::wstring path) {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    const std::size_t cut = path.find_last_of(L'\\');
    if (cut == std::wstring::npos) return {{}, path};
    if (cut + 1 == path.size()) return {path, {}};
    std::wstring folder = path.substr(0, cut);
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return {folder, path.substr(cut + 1)};
}

bool isProgram(const DirEntry& e) {
    // What the file list shows: programs, not hidden or system files.
    return !e.isFolder && !e.hidden && !e.system && matchesPatterns(e.name, L"*.exe");
}

}  // namespace

void MainWindow::pickFromOutside(const std::vector<std::wstring>& paths) {
    // What each path is, as its folder lists it now: each folder read once
    // for the whole drop, however many files of it were dropped, and the
    // page opens the folder from the same read. Programs come first, then
    // folders.
    const FolderReads::Scope drop(window.folderReads());
    std::optional<Place> program;
    std::optional<std::wstring> folder;
    std::vector<std::wstring> notFound;
    std::vector<std::wstring> unreadableLinks;
    for (const std::wstring& path : paths) {
        // Any form the system takes: short names become the long ones, and a
        // shortcut stands for what it points at.
        std::wstring given = path;
        std::replace(given.begin(), given.end(), L'/', L'\\');
        if (given.size() > 4 && equalNoCase(std::wstring_view(given).substr(given.size() - 4), L".lnk")) {
            const std::optional<std::wstring> target = services.shell.linkTarget(given);
            if (!target) {
                unreadableLinks.push_back(path);
                continue;
            }
            given = *target;
        }
        const Place p = placeOf(services.folders.longPath(given).value_or(given));
        if (p.name.empty()) {
            if (!p.folder.empty() && !folder) folder = p.folder;
            continue;
        }
        const auto& listing = window.folderReads().list(p.folder);
        const DirEntry* entry = nullptr;
        if (listing) {
            for (const DirEntry& e : *listing) {
                if (equalNoCase(e.name, p.name)) entry = &e;
            }
        }
        if (entry == nullptr) {
            notFound.push_back(path);
        } else if (isProgram(*entry)) {
            program = Place{p.folder, entry->name};
            break;
        } else if (entry->isFolder && !folder) {
            folder = joinPath(p.folder, entry->name);
        }
    }

    MessageBoxService& box = services.messages;
    if (!program && !folder) {
        std::wstring names;
        for (std::size_t i = 0; i < paths.size() && i < kNamesShown; ++i) {
            names += L"\n" + paths[i];
            if (std::find(notFound.begin(), notFound.end(), paths[i]) != notFound.end()) names += L" (not found)";
            if (std::find(unreadableLinks.begin(), unreadableLinks.end(), paths[i]) != unreadableLinks.end()) {
                names += L" (a shortcut that can't be read)";
            }
        }
        if (paths.size() > kNamesShown) names += L"\n(and " + decimal(static_cast<long long>(paths.size() - kNamesShown)) + L" more)";
        box.show(L"There is no program (.exe) or folder to pick in what was dropped:\n" + names, kExclamation,
                 services.app.title);
        return;
    }
    picker.showFolder(program ? program->folder : *folder);
    input::clickTab(controls.tabs, 1);
    if (program) picker.pick(program->name);
}

}  // namespace corvane
