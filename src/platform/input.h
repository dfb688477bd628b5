// What a user does to a window, as calls into the model. The Windows view
// turns clicks and keys into these calls, and the tests make the same calls,
// so both run exactly the same handlers. A call on a control that can't take
// input just now (hidden, disabled, or under a modal window) does nothing and
// returns false.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

namespace corvane::input {

// Gives the control the keyboard focus, as a click or the Tab key does.
bool focus(Control& c);
// Opens entry `index` of a directory list (double-click, or Enter).
bool openDirEntry(DirList& dir, int index);
// Selects entry `index` of a file list (click, or a move with the arrow keys).
bool pickFile(FileList& file, int index);
// Replaces the whole text of a text box, as typing or deleting leaves it.
bool type(TextBox& box, const std::wstring& text);
// Drags or steps a slider to `position`.
bool moveSlider(Slider& slider, int position);
// Clicks tab `n` (from 1) of a tab strip.
bool clickTab(TabStrip& strip, int n);
// The next page (`step` 1: Ctrl+Tab, Ctrl+PgDn) or the one before (-1:
// Ctrl+Shift+Tab, Ctrl+PgUp), round: the strip takes the focus and the tab
// is clicked.
bool switchPage(TabStrip& strip, int step);
// Presses a command button by mouse, access key or Enter.
bool press(CommandButton& button);
// Clicks a check box: unticked and greyed become ticked, ticked becomes unticked.
bool toggle(CheckBox& box);
// Picks entry `index` of a drop-down list.
bool pickEntry(ComboBox& combo, int index);
// Presses Esc in a window; false where it means nothing there.
bool escape(Window& window);
// Drops files or folders on a window (or names them on the command line).
bool dropFiles(Window& window, const std::vector<std::wstring>& paths);

}  // namespace corvane::input
