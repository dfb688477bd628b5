#include "batch/settings_file.h"

#include <utility>

#include "batch/glide_lines.h"
#include "batch/make.h"
#include "batch/read_back.h"
#include "platform/decimal.h"
#include "platform/names.h"

namespace corvane {

namespace {

// The most characters the page's caption shows whole, and of a name in it.
constexpr std::size_t kLongestWords = 44;
constexpr std::size_t kLongestName = 20;

std::wstring shortened(std::wstring_view name) {
    if (name.size() <= kLongestName) return std::wstring(name);
    constexpr std::size_t kept = (kLongestName - 3) / 2;
    return std::wstring(name.substr(0, kept)) + L"..." + std::wstring(name.substr(name.size() - kept));
}

}  // namespace

SettingsFile::SettingsFile(const SettingsFileControls& controls, const SettingsFileServices& services,
                           SettingsPanel& panel, const GlideCards& loaded)
    : SettingsFileControls(controls), services_(services), panel_(panel), loaded_(loaded) {
    for (const auto& [setting, box] : values.boxes()) box->onClick = [this] { settingChanged(); };
    panel_.onChanged = [this] { settingChanged(); };
}

void SettingsFile::programPicked() {
    say({});
    switches.setText(L"");
    const std::wstring& name = batchName.text();
    if (name.empty() || !fileNameFault(name).empty()) return;
    const std::wstring file = name + L".bat";
    const std::wstring path = batchPathFor(folders.path(), name);
    const FileStart there = services_.files.readStart(path, kLongestOwnFile);
    if (!there.error.empty()) return say(failedWords(file, there.error));
    if (!there.found) return;
    const FoundBatch found = readBack(there.bytes, there.whole, services_.codePage, path, loaded_);
    if (found.maker == FoundBatch::Maker::Altered) return say(failedWords(file, L"not as Corvane makes it"));
    if (found.maker != FoundBatch::Maker::Corvane) return;

    // Each value as the user would set it; one the window can't show leaves
    // its control as it is.
    // The refresh first: it decides whether "24-Bit Color" can be ticked.
    const BatchSettings& held = found.settings;
    std::vector<std::wstring> notTaken;
    showing_ = true;
    const bool refreshShown = panel_.showRefresh(held.refreshHz);
    for (const auto& [setting, box] : values.boxes()) {
        // A box that can't be ticked now ("24-Bit Color" at 75 Hz and below) takes no tick.
        if (held.value(setting) == 0 || box->enabled()) {
            box->setValue(held.value(setting));
        } else {
            notTaken.push_back(box->caption());
        }
    }
    const std::tuple<Setting, Slider*, const wchar_t*> sliders[] = {{Setting::Clock, &values.clock, L"Clock Speed"},
                                                                     {Setting::Gamma, &values.gamma, L"Gamma"}};
    for (const auto& [setting, slider, what] : sliders) {
        const int v = held.value(setting);
        if (v >= slider->range().min && v <= slider->range().max) {
            slider->setValue(v);
        } else {
            notTaken.emplace_back(what);
        }
    }
    if (!refreshShown) notTaken.emplace_back(L"Refresh");
    switches.setText(held.switches);
    showing_ = false;
    say(readWords(file, notTaken));
}

void SettingsFile::settingChanged() {
    if (!showing_) say({});
}

void SettingsFile::say(const std::wstring& words) {
    settingsPage.setCaption(words.empty() ? std::wstring(settingsPage.row().caption) : words);
}

std::wstring SettingsFile::readWords(std::wstring_view batchName, const std::vector<std::wstring>& notTaken) {
    const std::wstring name = shortened(batchName);
    if (notTaken.empty()) return L"Read from " + name;
    std::wstring which;
    for (const std::wstring& what : notTaken) which += (which.empty() ? L"" : L", ") + what;
    std::wstring words = name + L": " + which + L" not read";
    if (words.size() > kLongestWords) words = name + L": " + decimal(static_cast<long long>(notTaken.size())) + L" settings not read";
    return words;
}

std::wstring SettingsFile::failedWords(std::wstring_view batchName, std::wstring_view why) {
    std::wstring words = shortened(batchName) + L": " + std::wstring(why);
    if (words.size() > kLongestWords) words = words.substr(0, kLongestWords - 3) + L"...";
    return words;
}

}  // namespace corvane
