#include "platform/input.h"

namespace corvane::input {

namespace {

bool ready(const Control& c) { return c.host().acceptsInput() && c.usable(); }

void run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

bool focus(Control& c) {
    if (!ready(c) || !c.takesFocus()) return false;
    c.setFocus();
    return true;
}

bool openDirEntry(DirList& dir, int index) {
    if (!ready(dir) || index < 0 || index >= static_cast<int>(dir.entries().size())) return false;
    dir.setFocus();
    // Copy: assigning the path rebuilds the entries.
    std::wstring path = dir.entries()[static_cast<std::size_t>(index)].path;
    dir.setPath(std::move(path));
    return true;
}

bool pickFile(FileList& file, int index) {
    if (!ready(file) || index < 0 || index >= file.listCount()) return false;
    file.setFocus();
    file.setListIndex(index);
    run(file.onClick);
    return true;
}

bool type(TextBox& box, const std::wstring& text) {
    if (!ready(box)) return false;
    box.setFocus();
    box.setText(text);
    return true;
}

bool moveSlider(Slider& slider, int position) {
    if (!ready(slider)) return false;
    slider.setFocus();
    slider.setValue(position);
    return true;
}

bool clickTab(TabStrip& strip, int n) {
    if (!ready(strip) || n < 1 || n > strip.tabCount()) return false;
    strip.selectTab(n);
    run(strip.onClick);
    return true;
}

bool switchPage(TabStrip& strip, int step) {
    if (!ready(strip) || strip.tabCount() == 0) return false;
    const int count = strip.tabCount();
    strip.setFocus();
    return clickTab(strip, ((strip.selectedTab() - 1 + step) % count + count) % count + 1);
}

bool escape(Window& window) {
    if (!window.acceptsInput() || !window.onEscape) return false;
    window.onEscape();
    return true;
}

bool press(CommandButton& button) {
    if (!ready(button)) return false;
    button.setFocus();
    run(button.onClick);
    return true;
}

bool toggle(CheckBox& box) {
    if (!ready(box)) return false;
    box.setFocus();
    box.setValue(box.value() == 1 ? 0 : 1);
    run(box.onClick);
    return true;
}

bool dropFiles(Window& window, const std::vector<std::wstring>& paths) {
    if (!window.acceptsInput() || !window.onDropFiles || paths.empty()) return false;
    window.onDropFiles(paths);
    return true;
}

bool pickEntry(ComboBox& combo, int index) {
    if (!ready(combo) || index < 0 || index >= combo.listCount()) return false;
    combo.setFocus();
    combo.setListIndex(index);
    run(combo.onClick);
    return true;
}

}  // namespace corvane::input
