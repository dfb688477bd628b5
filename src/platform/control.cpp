#include "platform/control.h"

#include "platform/fatal.h"
#include "platform/window.h"

namespace corvane {

namespace {

const wchar_t* kindName(Kind k) {
    switch (k) {
        case Kind::Label: return L"label";
        case Kind::Frame: return L"frame";
        case Kind::CommandButton: return L"command button";
        case Kind::CheckBox: return L"check box";
        case Kind::TextBox: return L"text box";
        case Kind::DirListBox: return L"directory list";
        case Kind::FileListBox: return L"file list";
        case Kind::ComboBox: return L"combo box";
        case Kind::Slider: return L"slider";
        case Kind::TabStrip: return L"tab strip";
        case Kind::Image: return L"image";
        case Kind::Line: return L"line";
    }
    return L"control";
}

}  // namespace

Control::Control(Window& window, const ControlRow& row, Control* container)
    : window_(window),
      row_(row),
      name_(row.name),
      container_(container),
      visible_(!row.hidden),
      enabled_(!row.disabled),
      toolTip_(row.tooltip),
      height_(row.box.height) {}

void wrongKind(const Control& c, Kind wanted) {
    const std::string& n = c.name();
    fatal(L"control " + std::wstring(n.begin(), n.end()) + L" is a " + kindName(c.kind()) + L", not a " +
          kindName(wanted));
}

bool Control::usable() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_ || !c->enabled_) return false;
    }
    return true;
}

void Control::changed(Prop p) { window_.notify(*this, p); }

void Control::setVisible(bool v) { assign(visible_, v, Prop::Visible); }

void Control::setEnabled(bool v) { assign(enabled_, v, Prop::Enabled); }

void Control::setToolTip(std::wstring t) { assign(toolTip_, std::move(t), Prop::ToolTip); }

void Control::setHeight(int twips) { assign(height_, twips, Prop::Height); }

void Control::setFocus() { window_.setFocus(*this); }

}  // namespace corvane
