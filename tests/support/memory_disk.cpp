#include "support/memory_disk.h"

#include "support/memory_source.h"

#include <algorithm>
#include <iterator>

#include "platform/names.h"

namespace corvane::test {

MemoryDisk::MemoryDisk() { addFolder(L"C:\\"); }

std::wstring MemoryDisk::key(std::wstring path) {
    for (auto& c : path) c = foldCase(c == L'/' ? L'\\' : c);
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

namespace {

constexpr const wchar_t* kInUse = L"The process cannot access the file because it is being used by another process.";

// The folder holding `path`, spelt as given; empty for a drive root.
std::wstring parentOf(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    const std::size_t cut = path.find_last_of(L'\\');
    if (cut == std::wstring::npos || path.size() <= 3) return {};
    return path.substr(0, cut == 2 ? 3 : cut);
}

}  // namespace

std::wstring MemoryDisk::parentKey(const std::wstring& k) { return key(parentOf(k)); }

void MemoryDisk::addFolder(const std::wstring& path) {
    const std::wstring parent = parentOf(path);
    if (!parent.empty() && nodes_.count(key(parent)) == 0) addFolder(parent);
    nodes_[key(path)] = Node{path, true, false, false, {}, {}};
}

void MemoryDisk::addFile(const std::wstring& path, std::string bytes, bool hidden, bool system) {
    const std::wstring parent = parentOf(path);
    addFolder(parent);
    const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    nodes_[key(path)] = Node{path, false, hidden, system, std::move(bytes), makeShortName(parent, name)};
}

// A name DOS can't use becomes its first six usable characters in capitals,
// "~" and the lowest number no other file of the folder has, and the first
// three characters of its extension.
std::wstring MemoryDisk::makeShortName(const std::wstring& parent, const std::wstring& name) const {
    if (isDosName(name)) return name;
    const std::size_t dot = name.find_last_of(L'.');
    const auto usable = [](std::wstring_view part, std::size_t most) {
        std::wstring out;
        for (const wchar_t c : part) {
            if (out.size() == most) break;
            if (c == L' ' || c == L'.') continue;
            out += std::wstring_view(L"+,;=[]").find(c) != std::wstring_view::npos ? L'_' : foldCase(c);
        }
        return out;
    };
    const std::wstring base = usable(std::wstring_view(name).substr(0, dot), 6);
    const std::wstring ext = dot == std::wstring::npos ? L"" : usable(std::wstring_view(name).substr(dot + 1), 3);
    const std::wstring folder = key(parent);
    for (int n = 1;; ++n) {
        const std::wstring candidate = base + L"~" + std::to_wstring(n) + (ext.empty() ? L"" : L"." + ext);
        bool taken = false;
        for (const auto& [k, node] : nodes_) {
            if (parentKey(k) == folder && node.shortName && equalNoCase(*node.shortName, candidate)) taken = true;
        }
        if (!taken) return candidate;
    }
}

void MemoryDisk::setShortName(const std::wstring& path, std::optional<std::wstring> answer) {
    nodes_.at(key(path)).shortName = std::move(answer);
}

std::vector<std::wstring> MemoryDisk::drives() {
    std::vector<std::wstring> out;
    for (const auto& [k, n] : nodes_) if (k.size() == 3) out.push_back(n.path);
    return out;
}

// Down from the root, each name matched by its long or its short name.
std::optional<std::wstring> MemoryDisk::longPath(const std::wstring& path) {
    std::wstring rest = key(path), out = rest.substr(0, 3);
    for (std::size_t end = 3; nodes_.count(out) != 0 && end < rest.size();) {
        const std::size_t start = end + (rest[end] == L'\\'), stop = std::min(rest.find(L'\\', start), rest.size());
        const std::wstring part = rest.substr(start, stop - start);
        std::wstring next = L"?";
        for (const auto& [k, n] : nodes_) {
            const bool named = k.size() > 3 && parentKey(k) == out && (k == key(joinPath(out, part)) || (n.shortName && equalNoCase(*n.shortName, part)));
            if (named) next = k;
        }
        out = next;
        end = stop;
    }
    return nodes_.count(out) != 0 ? std::optional(nodes_.at(out).path) : std::nullopt;
}

std::optional<std::wstring> MemoryDisk::shortName(const std::wstring& path) {
    auto it = nodes_.find(key(path));
    return it == nodes_.end() ? std::nullopt : it->second.shortName;
}

void MemoryDisk::remove(const std::wstring& path) { nodes_.erase(key(path)); }

bool MemoryDisk::exists(const std::wstring& path) const { return nodes_.count(key(path)) != 0; }

std::optional<std::string> MemoryDisk::read(const std::wstring& path) const {
    auto it = nodes_.find(key(path));
    if (it == nodes_.end() || it->second.isFolder) return std::nullopt;
    return it->second.bytes;
}

std::unique_ptr<ByteSource> MemoryDisk::open(const std::wstring& path) {
    opened.insert(path);
    FileStart start = readStart(path, std::string::npos);
    if (!start.found || !start.error.empty()) return nullptr;
    return std::make_unique<MemorySource>(std::move(start.bytes));
}

std::vector<std::wstring> MemoryDisk::paths() const {
    std::vector<std::wstring> out;
    for (const auto& [k, n] : nodes_) out.push_back(n.path);
    return out;
}

std::optional<std::vector<DirEntry>> MemoryDisk::list(const std::wstring& folder) {
    ++listings;
    const std::wstring k = key(folder);
    auto it = nodes_.find(k);
    if (it == nodes_.end() || !it->second.isFolder) return std::nullopt;
    for (const auto& u : unreadable) {
        if (key(u) == k) return std::nullopt;
    }
    std::vector<DirEntry> out;
    for (const auto& [nk, n] : nodes_) {
        if (nk != k && parentKey(nk) == k) {
            out.push_back({n.path.substr(n.path.find_last_of(L'\\') + 1), n.isFolder, n.hidden, n.system});
        }
    }
    return out;
}

FileStart MemoryDisk::readStart(const std::wstring& path, std::size_t most) {
    FileStart out;
    auto it = nodes_.find(key(path));
    if (it == nodes_.end()) return out;
    out.found = true;
    for (const auto& l : locked) {
        if (key(l) == key(path)) out.error = kInUse;
    }
    if (it->second.isFolder) out.error = L"A folder has this name.";
    if (!out.error.empty()) return out;
    out.bytes = it->second.bytes.substr(0, most);
    out.whole = it->second.bytes.size() <= most;
    return out;
}

FileStatus MemoryDisk::createTemp(const std::wstring& folder, std::wstring& path) {
    auto it = nodes_.find(key(folder));
    if (it == nodes_.end() || !it->second.isFolder) return {L"The system cannot find the path specified."};
    for (const auto& r : readOnly) {
        if (key(r) == key(folder)) return {L"Access is denied."};
    }
    path = joinPath(folder, kWriteTempPrefix + std::to_wstring(++temps_) + L".tmp");
    nodes_[key(path)] = Node{path, false, false, false, {}, {}};
    return {};
}

FileStatus MemoryDisk::append(const std::wstring& path, std::string_view bytes) {
    auto it = nodes_.find(key(path));
    if (it == nodes_.end()) return {L"The system cannot find the file specified."};
    if (spaceLeft) {
        if (bytes.size() > *spaceLeft) {
            it->second.bytes.append(bytes.substr(0, *spaceLeft));
            *spaceLeft = 0;
            return {L"There is not enough space on the disk."};
        }
        *spaceLeft -= bytes.size();
    }
    it->second.bytes.append(bytes);
    return {};
}

FileStatus MemoryDisk::replace(const std::wstring& from, const std::wstring& to) {
    auto it = nodes_.find(key(from));
    if (it == nodes_.end()) return {L"The system cannot find the file specified."};
    const std::wstring target = key(to);
    const std::wstring parent = parentKey(target);
    if (nodes_.count(parent) == 0) return {L"The system cannot find the path specified."};
    for (const auto& l : locked) {
        if (key(l) == target) return {kInUse};
    }
    auto existing = nodes_.find(target);
    if (existing != nodes_.end() && existing->second.isFolder) return {L"Access is denied."};
    Node moved = it->second;
    moved.path = to;
    nodes_.erase(it);
    nodes_[target] = std::move(moved);
    return {};
}

}  // namespace corvane::test
