// Which class makes the native control of each kind: one line a kind, the
// model's control handed over as its kind.
#include "platform/win32/native_control.h"

namespace corvane::win32 {

std::unique_ptr<NativeControl> makeCommandButton(WindowView&, CommandButton&);
std::unique_ptr<NativeControl> makeCheckBox(WindowView&, CheckBox&);
std::unique_ptr<NativeControl> makeLabel(WindowView&, Label&);
std::unique_ptr<NativeControl> makeFrame(WindowView&, Frame&);
std::unique_ptr<NativeControl> makeTextBox(WindowView&, TextBox&);
std::unique_ptr<NativeControl> makeSlider(WindowView&, Slider&);
std::unique_ptr<NativeControl> makeTabStrip(WindowView&, TabStrip&);
std::unique_ptr<NativeControl> makeDirList(WindowView&, DirList&);
std::unique_ptr<NativeControl> makeFileList(WindowView&, FileList&);
std::unique_ptr<NativeControl> makeComboBox(WindowView&, ComboBox&);
std::unique_ptr<NativeControl> makeImage(WindowView&, Image&);
std::unique_ptr<NativeControl> makeLine(WindowView&, Line&);

std::unique_ptr<NativeControl> makeNativeControl(WindowView& view, Control& model) {
    switch (model.kind()) {
        case Kind::CommandButton: return makeCommandButton(view, as<CommandButton>(model));
        case Kind::CheckBox: return makeCheckBox(view, as<CheckBox>(model));
        case Kind::Label: return makeLabel(view, as<Label>(model));
        case Kind::Frame: return makeFrame(view, as<Frame>(model));
        case Kind::TextBox: return makeTextBox(view, as<TextBox>(model));
        case Kind::Slider: return makeSlider(view, as<Slider>(model));
        case Kind::TabStrip: return makeTabStrip(view, as<TabStrip>(model));
        case Kind::DirListBox: return makeDirList(view, as<DirList>(model));
        case Kind::FileListBox: return makeFileList(view, as<FileList>(model));
        case Kind::ComboBox: return makeComboBox(view, as<ComboBox>(model));
        case Kind::Image: return makeImage(view, as<Image>(model));
        case Kind::Line: return makeLine(view, as<Line>(model));
    }
    return nullptr;  // every kind is listed above
}

}  // namespace corvane::win32
