#include "platform/input.h"

namespace corvane::input {

namespace {

bool ready(const Control& c) { return c.window().acceptsInput() && c.usable(); }

void click(Control& c) {
    if (c.onClick) c.onClick();
}

}  // namespace

bool focus(Control& c) {
    if (!ready(c) || !c.takesFocus()) return false;
    c.setFocus();
    return true;
}

bool openDirEntry(Control& dir, int index) {
    if (!ready(dir) || index < 0 || index >= static_cast<int>(dir.dirEntries().size())) return false;
    dir.setFocus();
    // Copy: assigning the path rebuilds the entries.
    std::wstring path = dir.dirEntries()[static_cast<std::size_t>(index)].path;
    dir.setPath(std::move(path));
    return true;
}

bool pickFile(Control& file, int index) {
    if (!ready(file) || index < 0 || index >= file.listCount()) return false;
    file.setFocus();
    file.setListIndex(index);
    click(file);
    return true;
}

bool type(Control& box, const std::wstring& text) {
    if (!ready(box)) return false;
    box.setFocus();
    box.setText(text);
    return true;
}

bool moveSlider(Control& slider, int position) {
    if (!ready(slider)) return false;
    slider.setFocus();
    slider.setValue(position);
    return true;
}

bool clickTab(Control& strip, int n) {
    if (!ready(strip) || n < 1 || n > strip.tabCount()) return false;
    strip.selectTab(n);
    click(strip);
    return true;
}

bool press(Control& button) {
    if (!ready(button)) return false;
    button.setFocus();
    click(button);
    return true;
}

bool toggle(Control& box) {
    if (!ready(box)) return false;
    box.setFocus();
    box.setValue(box.value() == 1 ? 0 : 1);
    click(box);
    return true;
}

bool dropFiles(Window& window, const std::vector<std::wstring>& paths) {
    if (!window.acceptsInput() || !window.onDropFiles || paths.empty()) return false;
    window.onDropFiles(paths);
    return true;
}

bool pickEntry(Control& combo, int index) {
    if (!ready(combo) || index < 0 || index >= combo.listCount()) return false;
    combo.setFocus();
    combo.setListIndex(index);
    click(combo);
    return true;
}

}  // namespace corvane::input
