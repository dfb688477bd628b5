// Where a native control stands among its siblings. Windows draws a child
// over the siblings made before it and makes each new one at the back, so
// the view places every control by this rule when it is made, whatever the
// order it is made in. A rule over the description's rows alone, with no
// Windows header, so that it is tested natively.
#pragma once

#include "platform/description.h"

namespace corvane::win32 {

// Of two rows of a description in one container, whether `a` lies in front
// of `b`: the frames that hold pages in front of everything else; then the
// drawings that take no input (lines and pictures, which have no place in
// the focus order), which must be seen whole where a label's background
// reaches them; then the focus order; ties in the description's order.
inline bool inFrontOf(const WindowDesc& desc, const ControlRow& a, const ControlRow& b) {
    const bool frameA = a.kind == Kind::Frame, frameB = b.kind == Kind::Frame;
    if (frameA != frameB) return frameA;
    const bool tabA = a.tab >= 0, tabB = b.tab >= 0;
    if (tabA != tabB) return tabB;
    if (a.tab != b.tab) return a.tab < b.tab;
    for (const ControlRow* row : desc.controls) {
        if (row == &a || row == &b) return row == &a && &a != &b;
    }
    return false;
}

}  // namespace corvane::win32
