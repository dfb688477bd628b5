#include "platform/window.h"

#include "platform/fatal.h"

namespace corvane {

namespace {

// Names in the descriptions are ASCII.
std::wstring wide(std::string_view s) { return std::wstring(s.begin(), s.end()); }

const SliderRow& rangeOf(const WindowDesc& desc, const ControlRow& row) {
    for (const SliderRow& s : desc.sliders) {
        if (std::string_view(s.name) == row.name) return s;
    }
    fatal(L"no range for the slider " + wide(row.name));
}

// The one factory: each row made as the control of its kind.
std::unique_ptr<Control> makeControl(Window& w, const WindowDesc& desc, const ControlRow& row, Control* container) {
    switch (row.kind) {
        case Kind::Label: return std::make_unique<Label>(w, row, container);
        case Kind::Frame: return std::make_unique<Frame>(w, row, container);
        case Kind::CommandButton: return std::make_unique<CommandButton>(w, row, container);
        case Kind::CheckBox: return std::make_unique<CheckBox>(w, row, container);
        case Kind::TextBox: return std::make_unique<TextBox>(w, row, container);
        case Kind::DirListBox: return std::make_unique<DirList>(w, row, container);
        case Kind::FileListBox: return std::make_unique<FileList>(w, row, container);
        case Kind::ComboBox: return std::make_unique<ComboBox>(w, row, container);
        case Kind::Slider: return std::make_unique<Slider>(w, row, container, rangeOf(desc, row));
        case Kind::TabStrip: return std::make_unique<TabStrip>(w, row, container, desc.tabs);
        case Kind::Image: return std::make_unique<Image>(w, row, container);
        case Kind::Line: return std::make_unique<Line>(w, row, container);
    }
    fatal(L"no kind for the row " + wide(row.name));
}

}  // namespace

Window::Window(const WindowDesc& desc, FolderService& folders)
    : desc_(desc), folderReads_(folders), caption_(desc.caption) {
    controls_.reserve(desc.controls.size());
    for (const ControlRow& row : desc.controls) {
        Control* container = nullptr;
        if (row.container[0] != '\0') {
            container = find(row.container);
            if (container == nullptr) fatal(L"container listed after " + wide(row.name));
        }
        controls_.push_back(makeControl(*this, desc, row, container));
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
