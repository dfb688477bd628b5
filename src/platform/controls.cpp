#include "platform/controls.h"

#include <algorithm>

#include "platform/decimal.h"
#include "platform/fatal.h"
#include "platform/names.h"

namespace corvane {

namespace {

bool byNameNoCase(const std::wstring& a, const std::wstring& b) {
    const int c = compareNoCase(a, b);
    return c != 0 ? c < 0 : a < b;
}

const SliderRow& rangeOf(const ControlMaking& m) {
    for (const SliderRow& s : m.desc.sliders) {
        if (s.slider == &m.row) return s;
    }
    const std::string_view n = m.row.name;
    fatal(L"no range for the slider " + std::wstring(n.begin(), n.end()));
}

}  // namespace

const KindTraits* traitsOf(Kind k) {
    return withKind(k, []<class T>() { return &T::kTraits; });
}

bool Control::takesFocus() const {
    const KindTraits* t = traitsOf(kind());
    return t != nullptr && t->takesFocus;
}

void wrongKind(const Control& c, Kind wanted) {
    const auto name = [](Kind k) { return traitsOf(k) != nullptr ? traitsOf(k)->name : L"control"; };
    const std::string& n = c.name();
    fatal(L"control " + std::wstring(n.begin(), n.end()) + L" is a " + name(c.kind()) + L", not a " + name(wanted));
}

void Captioned::setCaption(std::wstring c) { assign(caption_, std::move(c), Prop::Caption); }

void Label::setBackColor(std::uint32_t c) { assign(backColor_, c, Prop::BackColor); }

void Label::setAlignment(Align a) { assign(alignment_, a, Prop::Alignment); }

void CheckBox::setValue(int v) { assign(value_, v, Prop::Value); }

void Image::setPicture(Picture p) { assign(picture_, p, Prop::Picture); }

void TextBox::setText(std::wstring t) {
    if (text_ == t) return;
    // A new text leaves the caret at its start with nothing selected.
    selStart_ = 0;
    selLength_ = 0;
    assign(text_, std::move(t), Prop::Text);
    if (onChange) onChange();
}

void TextBox::setSelStart(int s) {
    selStart_ = std::clamp(s, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
    changed(Prop::Selection);
}

void TextBox::setSelLength(int n) {
    selLength_ = std::clamp(n, 0, static_cast<int>(text_.size()) - selStart_);
    changed(Prop::Selection);
}

std::wstring TextBox::selText() const {
    return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

Slider::Slider(const ControlMaking& making)
    : Control(making), range_(rangeOf(making)), value_(range_.start) {}

void Slider::setValue(int v) {
    if (assign(value_, std::clamp(v, range_.min, range_.max), Prop::Value) && onChange) onChange();
}

TabStrip::TabStrip(const ControlMaking& making)
    : Control(making), tabs_(making.desc.tabs), selected_(tabs_.empty() ? 0 : 1) {}

const TabRow& TabStrip::tab(int n) const {
    if (n < 1 || n > tabCount()) fatal(L"tab " + decimal(n) + L" of a strip of " + decimal(tabCount()));
    return tabs_[static_cast<std::size_t>(n - 1)];
}

void TabStrip::selectTab(int n) {
    if (n >= 1 && n <= tabCount()) assign(selected_, n, Prop::SelectedTab);
}

const std::wstring& ItemList::list(int index) const {
    if (index < 0 || index >= listCount()) {
        fatal(L"list index " + decimal(index) + L" of " + std::wstring(name().begin(), name().end()));
    }
    return items_[static_cast<std::size_t>(index)];
}

void ItemList::setListIndex(int i) {
    if (i < -1 || i >= listCount()) return;
    listIndex_ = i;
    changed(Prop::ListIndex);
}

void ComboBox::addItem(std::wstring item) {
    items_.push_back(std::move(item));
    changed(Prop::Items);
}

void DirList::setPath(std::wstring p) {
    if (path_ == p) return;
    path_ = std::move(p);
    // The lists that the change handler points at this folder read it from here.
    const FolderReads::Scope event(host().folderReads());
    buildEntries();
    changed(Prop::Path);
    if (onChange) onChange();
}

void DirList::buildEntries() {
    entries_.clear();
    // The root is everything up to and including the first backslash ("C:\").
    const std::size_t rootEnd = path_.find(L'\\');
    const std::wstring root = rootEnd == std::wstring::npos ? path_ + L'\\' : path_.substr(0, rootEnd + 1);
    entries_.push_back({root, root, 0, true});
    std::wstring walked = root;
    int level = 0;
    std::size_t start = root.size();
    while (start < path_.size()) {
        std::size_t end = path_.find(L'\\', start);
        if (end == std::wstring::npos) end = path_.size();
        if (end > start) {
            const std::wstring part = path_.substr(start, end - start);
            walked = joinPath(walked, part);
            entries_.push_back({part, walked, ++level, true});
        }
        start = end + 1;
    }
    const auto& listing = host().folderReads().list(path_);
    unreadable_ = !listing.has_value();
    if (listing) {
        // Sorted by reference into the listing: a folder of thousands costs no copies.
        std::vector<const std::wstring*> subfolders;
        for (const auto& e : *listing) {
            if (e.isFolder && e.name != L"." && e.name != L"..") subfolders.push_back(&e.name);
        }
        std::sort(subfolders.begin(), subfolders.end(),
                  [](const std::wstring* a, const std::wstring* b) { return byNameNoCase(*a, *b); });
        entries_.reserve(entries_.size() + subfolders.size());
        for (const std::wstring* s : subfolders) entries_.push_back({*s, joinPath(walked, *s), level + 1, false});
    }
    // Every drive, the way out of a folder that can't be read too.
    for (const std::wstring& drive : host().folderReads().service().drives()) {
        if (drive.size() != 3) continue;
        const wchar_t letter = static_cast<wchar_t>(drive[0] | 0x20);
        entries_.push_back({std::wstring(L"[-") + letter + L"-]", drive, 0, false, true});
    }
}

void FileList::setPath(std::wstring p) {
    const bool differs = path_ != p;
    const FolderReads::Scope event(host().folderReads());
    path_ = std::move(p);
    readFolder();
    if (differs && onPathChange) onPathChange();
}

void FileList::setPattern(std::wstring p) {
    if (pattern_ == p) return;
    pattern_ = std::move(p);
    if (!path_.empty()) readFolder();
}

void FileList::readFolder() {
    items_.clear();
    listIndex_ = -1;
    const auto& listing = host().folderReads().list(path_);
    unreadable_ = !listing.has_value();
    if (listing) {
        for (const auto& e : *listing) {
            if (e.isFolder) continue;
            if ((e.hidden || e.system) && !row().listsHiddenAndSystem) continue;
            if (!matchesPatterns(e.name, pattern_)) continue;
            items_.push_back(e.name);
        }
        std::sort(items_.begin(), items_.end(), byNameNoCase);
    }
    changed(Prop::Items);
}

}  // namespace corvane
