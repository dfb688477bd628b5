// Which class makes the native control of each kind: one line a kind.
#include "platform/win32/native_control.h"

#include "platform/decimal.h"
#include "platform/fatal.h"

namespace corvane::win32 {

std::unique_ptr<NativeControl> makeCommandButton(WindowView&, Control&);
std::unique_ptr<NativeControl> makeCheckBox(WindowView&, Control&);
std::unique_ptr<NativeControl> makeLabel(WindowView&, Control&);
std::unique_ptr<NativeControl> makeFrame(WindowView&, Control&);
std::unique_ptr<NativeControl> makeTextBox(WindowView&, Control&);
std::unique_ptr<NativeControl> makeSlider(WindowView&, Control&);
std::unique_ptr<NativeControl> makeTabStrip(WindowView&, Control&);
std::unique_ptr<NativeControl> makeFolderList(WindowView&, Control&);
std::unique_ptr<NativeControl> makeComboBox(WindowView&, Control&);
std::unique_ptr<NativeControl> makeImage(WindowView&, Control&);
std::unique_ptr<NativeControl> makeLine(WindowView&, Control&);

std::unique_ptr<NativeControl> makeNativeControl(WindowView& view, Control& model) {
    switch (model.kind()) {
        case Kind::CommandButton: return makeCommandButton(view, model);
        case Kind::CheckBox: return makeCheckBox(view, model);
        case Kind::Label: return makeLabel(view, model);
        case Kind::Frame: return makeFrame(view, model);
        case Kind::TextBox: return makeTextBox(view, model);
        case Kind::Slider: return makeSlider(view, model);
        case Kind::TabStrip: return makeTabStrip(view, model);
        case Kind::DirListBox:
        case Kind::FileListBox: return makeFolderList(view, model);
        case Kind::ComboBox: return makeComboBox(view, model);
        case Kind::Image: return makeImage(view, model);
        case Kind::Line: return makeLine(view, model);
    }
    fatal(L"no native control for kind " + decimal(static_cast<int>(model.kind())));
}

}  // namespace corvane::win32
