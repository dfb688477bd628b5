// The kinds of control, each with only its own state and events. Every
// kind says what it is (kTraits), so that a control is asked for as its
// kind, and ControlKinds at the end lists them all, once.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/control.h"

namespace corvane {

// Label, frame, command button and check box: a caption.
class Captioned : public Control {
public:
    using Control::Control;
    const std::wstring& caption() const { return caption_; }
    void setCaption(std::wstring c);

private:
    std::wstring caption_ = row().caption;
};

class Label final : public Captioned {
public:
    static constexpr KindTraits kTraits{Kind::Label, L"label", false};
    using Captioned::Captioned;
    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t c);
    Align alignment() const { return alignment_; }
    void setAlignment(Align a);

private:
    std::uint32_t backColor_ = row().colour;
    Align alignment_ = row().align;
};

class Frame final : public Captioned {
public:
    static constexpr KindTraits kTraits{Kind::Frame, L"frame", false};
    using Captioned::Captioned;
};

class CommandButton final : public Captioned {
public:
    static constexpr KindTraits kTraits{Kind::CommandButton, L"command button", true};
    using Captioned::Captioned;
    std::function<void()> onClick;  // pressed
};

class CheckBox final : public Captioned {
public:
    static constexpr KindTraits kTraits{Kind::CheckBox, L"check box", true};
    using Captioned::Captioned;
    // 0 unticked, 1 ticked, 2 greyed.
    int value() const { return value_; }
    void setValue(int v);
    std::function<void()> onClick;  // clicked by the user

private:
    int value_ = 0;
};

class Image final : public Control {
public:
    static constexpr KindTraits kTraits{Kind::Image, L"image", false};
    using Control::Control;
    Picture picture() const { return picture_; }
    void setPicture(Picture p);

private:
    Picture picture_ = row().picture;
};

class Line final : public Control {
public:
    static constexpr KindTraits kTraits{Kind::Line, L"line", false};
    using Control::Control;
    std::uint32_t colour() const { return row().colour; }
};

class TextBox final : public Control {
public:
    static constexpr KindTraits kTraits{Kind::TextBox, L"text box", true};
    using Control::Control;
    const std::wstring& text() const { return text_; }
    // A new text leaves the caret at its start with nothing selected; runs onChange.
    void setText(std::wstring t);
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int s);
    void setSelLength(int n);
    std::wstring selText() const;
    std::function<void()> onChange;

private:
    std::wstring text_ = row().caption;
    int selStart_ = 0;
    int selLength_ = 0;
};

class Slider final : public Control {
public:
    static constexpr KindTraits kTraits{Kind::Slider, L"slider", true};
    // Its range comes from the description's row of the same name.
    explicit Slider(const ControlMaking& making);
    const SliderRow& range() const { return range_; }
    int value() const { return value_; }
    // Within the range; runs onChange when the position moves.
    void setValue(int v);
    std::function<void()> onChange;

private:
    SliderRow range_;
    int value_;
};

class TabStrip final : public Control {
public:
    static constexpr KindTraits kTraits{Kind::TabStrip, L"tab strip", true};
    // Its tabs are the description's.
    explicit TabStrip(const ControlMaking& making);
    // Tabs numbered from 1.
    int tabCount() const { return static_cast<int>(tabs_.size()); }
    const TabRow& tab(int n) const;
    int selectedTab() const { return selected_; }
    bool tabSelected(int n) const { return selected_ == n; }
    void selectTab(int n);
    std::function<void()> onClick;  // a tab clicked; it is selected by then

private:
    std::span<const TabRow> tabs_;
    int selected_;
};

// The entries of a file list or a combo box, and the one picked.
class ItemList : public Control {
public:
    using Control::Control;
    int listCount() const { return static_cast<int>(items_.size()); }
    // Entry `index`; an index outside the list ends through the fatal path.
    const std::wstring& list(int index) const;
    const std::vector<std::wstring>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    // -1 for none; an index outside the list changes nothing.
    void setListIndex(int i);

protected:
    std::vector<std::wstring> items_;
    int listIndex_ = -1;
};

class ComboBox final : public ItemList {
public:
    static constexpr KindTraits kTraits{Kind::ComboBox, L"combo box", true};
    using ItemList::ItemList;
    void addItem(std::wstring item);
    // The picked entry's text; empty while none is picked.
    std::wstring text() const { return listIndex_ < 0 ? std::wstring() : items_[static_cast<std::size_t>(listIndex_)]; }
    std::function<void()> onClick;  // an entry picked
};

// One entry of a directory list as a classic directory list shows it.
struct DirListEntry {
    std::wstring name;  // "C:\" for the root, otherwise the folder's bare name
    std::wstring path;  // the folder it opens
    int level = 0;      // indentation steps
    bool open = false;  // on the way down to the current folder, or the current one
    bool drive = false;  // a drive, listed after the folders as "[-d-]"; it opens its root
};

class DirList final : public Control {
public:
    static constexpr KindTraits kTraits{Kind::DirListBox, L"directory list", true};
    using Control::Control;
    const std::wstring& path() const { return path_; }
    // A new folder: its entries are read and onChange runs; the same
    // folder again changes nothing.
    void setPath(std::wstring p);
    const std::vector<DirListEntry>& entries() const { return entries_; }
    // True while the folder could not be listed.
    bool unreadable() const { return unreadable_; }
    std::function<void()> onChange;

private:
    void buildEntries();
    std::wstring path_;
    std::vector<DirListEntry> entries_;
    bool unreadable_ = false;
};

class FileList final : public ItemList {
public:
    static constexpr KindTraits kTraits{Kind::FileListBox, L"file list", true};
    using ItemList::ItemList;
    const std::wstring& path() const { return path_; }
    // Reads the folder again on every assignment; onPathChange runs when it
    // is another folder.
    void setPath(std::wstring p);
    const std::wstring& pattern() const { return pattern_; }
    void setPattern(std::wstring p);
    bool unreadable() const { return unreadable_; }
    std::function<void()> onClick;       // an entry picked
    std::function<void()> onPathChange;  // another folder

private:
    void readFolder();
    std::wstring path_;
    std::wstring pattern_ = row().pattern;
    bool unreadable_ = false;
};

// Every kind of control, once. The window makes each row as its kind's
// class from this list, a kind is named and takes the focus by its class's
// traits, and the view makes each kind's native control from it too.
template <class... T>
struct KindList {};
using ControlKinds = KindList<Label, Frame, CommandButton, CheckBox, Image, Line, TextBox, Slider, TabStrip, ComboBox,
                              DirList, FileList>;

namespace detail {
template <class F, class... T>
auto withKind(Kind k, F& f, KindList<T...>) {
    decltype(f.template operator()<Label>()) out{};
    (void)((k == T::kTraits.kind && (out = f.template operator()<T>(), true)) || ...);
    return out;
}
}  // namespace detail

// Calls f.template operator()<T>() for the class T of kind `k` and returns
// its result; a kind without a class gives the result's empty value.
template <class F>
auto withKind(Kind k, F&& f) {
    return detail::withKind(k, f, ControlKinds{});
}

// A kind's traits; a kind without a class has none (nullptr).
const KindTraits* traitsOf(Kind k);

}  // namespace corvane
