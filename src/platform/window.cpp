#include "platform/window.h"

#include "platform/fatal.h"

namespace corvane {

namespace {

// Names in the descriptions are ASCII.
std::wstring wide(std::string_view s) { return std::wstring(s.begin(), s.end()); }

}  // namespace

Window::Window(const WindowDesc& desc, FolderService& folders)
    : desc_(desc), folderReads_(folders), caption_(desc.caption) {
    controls_.reserve(desc.controls.size());
    for (const ControlRow* listed : desc.controls) {
        const ControlRow& row = *listed;
        Control* container = nullptr;
        if (row.container != nullptr) {
            container = find(*row.container);
            if (container == nullptr) fatal(L"container listed after " + wide(row.name));
        }
        const ControlMaking making{*this, desc, row, container};
        std::unique_ptr<Control> c = withKind(row.kind, [&]<class T>() -> std::unique_ptr<Control> {
            return std::make_unique<T>(making);
        });
        if (c == nullptr) fatal(L"no kind for the row " + wide(row.name));
        controls_.push_back(std::move(c));
    }
}

Control* Window::find(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->name() == name) return c.get();
    }
    return nullptr;
}

Control* Window::find(const ControlRow& row) const {
    for (const auto& c : controls_) {
        if (&c->row() == &row) return c.get();
    }
    return nullptr;
}

Control& Window::operator[](const ControlRow& row) const {
    Control* c = find(row);
    if (c == nullptr) fatal(L"no control made from the row " + wide(row.name));
    return *c;
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

void Window::notify(Control& c, Prop p) {
    if (view_ != nullptr) view_->changed(c, p);
}

}  // namespace corvane
