// A window of the model: its controls, made from its description by one
// factory, each of its kind; its caption and focus; and the view told of
// every change. A view (the Windows one, or none in tests) is told after
// the model holds the new value and before any handler of the change runs.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/folder_reads.h"

namespace corvane {

class ViewSink {
public:
    virtual ~ViewSink() = default;
    virtual void changed(Control& control, Prop prop) = 0;
    virtual void captionChanged(Window& window) = 0;
};

class Window final : public ControlHost {
public:
    Window(const WindowDesc& desc, FolderService& folders);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowDesc& desc() const { return desc_; }
    // The control made from a row of its description, as the row's kind:
    // window.get<Slider>(kClock). A row the window was not made from ends
    // through the fatal path.
    Control& operator[](const ControlRow& row) const;
    Control* find(const ControlRow& row) const;
    template <class T>
    T& get(const ControlRow& row) const {
        return as<T>((*this)[row]);
    }
    // The same by the row's name, as tests and outside tools find a control.
    Control& operator[](std::string_view name) const;
    Control* find(std::string_view name) const;
    template <class T>
    T& get(std::string_view name) const {
        return as<T>((*this)[name]);
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    const std::wstring& caption() const { return caption_; }
    void setCaption(std::wstring c);

    Control* focus() const { return focus_; }
    // Moves the focus; runs the got-focus handler when the focus really moves.
    void setFocus(Control& c) override;

    // While a modal window is shown over this one, it takes no user input.
    bool acceptsInput() const override { return blocked_ == 0; }
    void block() { ++blocked_; }
    void unblock() {
        if (blocked_ > 0) --blocked_;
    }

    // Paths dropped on the window, or handed to it from outside.
    std::function<void(const std::vector<std::wstring>& paths)> onDropFiles;
    // Esc pressed in the window.
    std::function<void()> onEscape;

    // The lists' folder reads: once per folder within one change of folder.
    FolderReads& folderReads() override { return folderReads_; }
    void attach(ViewSink* view) { view_ = view; }
    void notify(Control& c, Prop p) override;

private:
    const WindowDesc& desc_;
    FolderReads folderReads_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::wstring caption_;
    Control* focus_ = nullptr;
    int blocked_ = 0;
    ViewSink* view_ = nullptr;
};

}  // namespace corvane
