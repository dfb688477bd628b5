#include "platform/model.h"

#include <algorithm>

#include "platform/decimal.h"
#include "platform/fatal.h"

#include "platform/names.h"

namespace corvane {

namespace {

// Names in the descriptions are ASCII.
std::wstring wide(std::string_view s) { return std::wstring(s.begin(), s.end()); }

}  // namespace

Control::Control(Window& window, const ControlRow& row, Control* container)
    : window_(window),
      row_(row),
      name_(row.name),
      container_(container),
      visible_(!row.hidden),
      enabled_(!row.disabled),
      toolTip_(row.tooltip),
      height_(row.box.height),
      backColor_(row.colour),
      alignment_(row.align),
      pattern_(row.pattern),
      picture_(row.picture) {
    if (row.kind == Kind::TextBox) {
        text_ = row.caption;
    } else {
        caption_ = row.caption;
    }
}

bool Control::takesFocus() const {
    switch (kind()) {
        case Kind::CommandButton: case Kind::CheckBox: case Kind::TextBox:
        case Kind::DirListBox: case Kind::FileListBox: case Kind::ComboBox:
        case Kind::Slider: case Kind::TabStrip:
            return true;
        default:
            return false;
    }
}

bool Control::usable() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_ || !c->enabled_) return false;
    }
    return true;
}

bool inFrontOf(const Control& a, const Control& b) {
    const bool frameA = a.kind() == Kind::Frame, frameB = b.kind() == Kind::Frame;
    if (frameA != frameB) return frameA;
    const bool tabA = a.tabIndex() >= 0, tabB = b.tabIndex() >= 0;
    if (tabA != tabB) return tabB;
    if (a.tabIndex() != b.tabIndex()) return a.tabIndex() < b.tabIndex();
    return &a.row() < &b.row();  // rows of one description: one array
}

void Control::changed(Prop p) { window_.notify(*this, p); }

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    changed(Prop::Enabled);
}

void Control::setToolTip(std::wstring t) {
    if (toolTip_ == t) return;
    toolTip_ = std::move(t);
    changed(Prop::ToolTip);
}

void Control::setHeight(int twips) {
    if (height_ == twips) return;
    height_ = twips;
    changed(Prop::Height);
}

void Control::setCaption(std::wstring c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void Control::setBackColor(std::uint32_t c) {
    if (backColor_ == c) return;
    backColor_ = c;
    changed(Prop::BackColor);
}

void Control::setAlignment(Align a) {
    if (alignment_ == a) return;
    alignment_ = a;
    changed(Prop::Alignment);
}

void Control::setValue(int v) {
    if (kind() == Kind::Slider) v = std::clamp(v, slider_.min, slider_.max);
    if (value_ == v) return;
    value_ = v;
    changed(Prop::Value);
    if (kind() == Kind::Slider && onChange) onChange();
}

void Control::setText(std::wstring t) {
    if (text_ == t) return;
    text_ = std::move(t);
    // A new text leaves the caret at its start with nothing selected.
    selStart_ = 0;
    selLength_ = 0;
    changed(Prop::Text);
    if (onChange) onChange();
}

void Control::setSelStart(int s) {
    selStart_ = std::clamp(s, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
    changed(Prop::Selection);
}

void Control::setSelLength(int n) {
    selLength_ = std::clamp(n, 0, static_cast<int>(text_.size()) - selStart_);
    changed(Prop::Selection);
}

std::wstring Control::selText() const {
    return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void Control::setPath(std::wstring p) {
    const bool differs = path_ != p;
    if (kind() == Kind::DirListBox) {
        if (!differs) return;
        path_ = std::move(p);
        // The lists that the change handler points at this folder read it from here.
        const FolderReads::Scope event(window_.folderReads());
        buildDirEntries();
        changed(Prop::Path);
        if (onChange) onChange();
        return;
    }
    // A file list re-reads its folder on every assignment.
    const FolderReads::Scope event(window_.folderReads());
    path_ = std::move(p);
    readFolder();
    if (differs && onPathChange) onPathChange();
}

void Control::setPattern(std::wstring p) {
    if (pattern_ == p) return;
    pattern_ = std::move(p);
    if (!path_.empty()) readFolder();
}

const std::wstring& Control::list(int index) const {
    if (index < 0 || index >= listCount()) fatal(L"list index " + decimal(index) + L" of " + wide(name_));
    return items_[static_cast<std::size_t>(index)];
}

void Control::setListIndex(int i) {
    if (i < -1 || i >= listCount()) return;
    listIndex_ = i;
    if (kind() == Kind::ComboBox) text_ = i < 0 ? std::wstring() : items_[static_cast<std::size_t>(i)];
    changed(Prop::ListIndex);
}

void Control::addItem(std::wstring item) {
    items_.push_back(std::move(item));
    changed(Prop::Items);
}

void Control::selectTab(int n) {
    if (n < 1 || n > tabCount() || selectedTab_ == n) return;
    selectedTab_ = n;
    changed(Prop::Value);
}

void Control::setPicture(Picture p) {
    if (picture_ == p) return;
    picture_ = p;
    changed(Prop::Picture);
}

void Control::setFocus() { window_.setFocus(*this); }

void Control::readFolder() {
    items_.clear();
    listIndex_ = -1;
    const auto& entries = window_.folderReads().list(path_);
    unreadable_ = !entries.has_value();
    if (entries) {
        for (const auto& e : *entries) {
            if (e.isFolder) continue;
            if ((e.hidden || e.system) && !row_.listsHiddenAndSystem) continue;
            if (!matchesPatterns(e.name, pattern_)) continue;
            items_.push_back(e.name);
        }
        std::sort(items_.begin(), items_.end(), [](const std::wstring& a, const std::wstring& b) {
            const int c = compareNoCase(a, b);
            return c != 0 ? c < 0 : a < b;
        });
    }
    changed(Prop::Items);
}

void Control::buildDirEntries() {
    dirEntries_.clear();
    // The root is everything up to and including the first backslash ("C:\").
    const std::size_t rootEnd = path_.find(L'\\');
    const std::wstring root = rootEnd == std::wstring::npos ? path_ + L'\\' : path_.substr(0, rootEnd + 1);
    dirEntries_.push_back({root, root, 0, true});
    std::wstring walked = root;
    int level = 0;
    std::size_t start = root.size();
    while (start < path_.size()) {
        std::size_t end = path_.find(L'\\', start);
        if (end == std::wstring::npos) end = path_.size();
        if (end > start) {
            const std::wstring part = path_.substr(start, end - start);
            walked = joinPath(walked, part);
            dirEntries_.push_back({part, walked, ++level, true});
        }
        start = end + 1;
    }
    const auto& entries = window_.folderReads().list(path_);
    unreadable_ = !entries.has_value();
    if (!entries) return;
    // Sorted by reference into the listing: a folder of thousands costs no copies.
    std::vector<const std::wstring*> subfolders;
    for (const auto& e : *entries) {
        if (e.isFolder && e.name != L"." && e.name != L"..") subfolders.push_back(&e.name);
    }
    std::sort(subfolders.begin(), subfolders.end(), [](const std::wstring* a, const std::wstring* b) {
        const int c = compareNoCase(*a, *b);
        return c != 0 ? c < 0 : *a < *b;
    });
    dirEntries_.reserve(dirEntries_.size() + subfolders.size());
    for (const std::wstring* s : subfolders) dirEntries_.push_back({*s, joinPath(walked, *s), level + 1, false});
}

Window::Window(const WindowDesc& desc, FolderService& folders)
    : desc_(desc), folderReads_(folders), caption_(desc.caption) {
    controls_.reserve(desc.controls.size());
    for (const ControlRow& row : desc.controls) {
        Control* container = nullptr;
        if (row.container[0] != '\0') {
            container = find(row.container);
            if (container == nullptr) fatal(L"container listed after " + wide(row.name));
        }
        controls_.push_back(std::make_unique<Control>(*this, row, container));
        Control& c = *controls_.back();
        if (c.kind() == Kind::Slider) {
            for (const SliderRow& s : desc.sliders) {
                if (c.name() == s.name) {
                    c.slider_ = s;
                    c.value_ = s.start;
                }
            }
        } else if (c.kind() == Kind::TabStrip) {
            c.tabs_.assign(desc.tabs.begin(), desc.tabs.end());
            c.selectedTab_ = c.tabs_.empty() ? 0 : 1;
        }
    }
}

Control* Window::find(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->name() == name) return c.get();
    }
    return nullptr;
}

Control& Window::operator[](std::string_view name) const {
    Control* c = find(name);
    if (c == nullptr) fatal(L"no control " + wide(name));
    return *c;
}

void Window::setCaption(std::wstring c) {
    if (caption_ == c) return;
    caption_ = std::move(c);
    if (view_ != nullptr) view_->captionChanged(*this);
}

void Window::setFocus(Control& c) {
    if (focus_ == &c || !c.takesFocus() || !c.usable()) return;
    focus_ = &c;
    notify(c, Prop::Focus);
    if (c.onGotFocus) c.onGotFocus();
}

void Window::notify(Control& c, Prop p) const {
    if (view_ != nullptr) view_->changed(c, p);
}

}  // namespace corvane
