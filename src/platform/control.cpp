#include "platform/control.h"

namespace corvane {

Control::Control(const ControlMaking& m)
    : host_(m.host),
      row_(m.row),
      name_(m.row.name),
      container_(m.container),
      visible_(!m.row.hidden),
      enabled_(!m.row.disabled),
      toolTip_(m.row.tooltip),
      height_(m.row.box.height) {}

bool Control::usable() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_ || !c->enabled_) return false;
    }
    return true;
}

void Control::changed(Prop p) { host_.notify(*this, p); }

void Control::setVisible(bool v) { assign(visible_, v, Prop::Visible); }

void Control::setEnabled(bool v) { assign(enabled_, v, Prop::Enabled); }

void Control::setToolTip(std::wstring t) { assign(toolTip_, std::move(t), Prop::ToolTip); }

void Control::setHeight(int twips) { assign(height_, twips, Prop::Height); }

void Control::setFocus() { host_.setFocus(*this); }

}  // namespace corvane
