#include "batch/settings_file.h"

#include <numeric>
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

std::vector<int> from(int lowest, int highest) {
    std::vector<int> out(static_cast<std::size_t>(std::max(highest - lowest + 1, 0)));
    std::iota(out.begin(), out.end(), lowest);
    return out;
}

}  // namespace

SettingsFile::SettingsFile(const SettingsFileControls& controls, const SettingsFileServices& services,
                           SettingsPanel& panel)
    : SettingsFileControls(controls), services_(services), panel_(panel) {
    for (const auto& [setting, box] : values.boxes()) box->onClick = [this] { settingChanged(); };
    panel_.onChanged = [this] { settingChanged(); };
}

void SettingsFile::programPicked() {
    say({});
    const std::wstring& name = batchName.text();
    if (name.empty() || !fileNameFault(name).empty()) return;
    const std::wstring file = name + L".bat";
    const FileStart there = services_.files.readStart(batchPathFor(folders.path(), name), kLongestOwnFile);
    if (!there.error.empty()) return say(failedWords(file, there.error));
    if (!there.found) return;
    const FoundBatch found = readBack(services_.codePage.decode(there.bytes), there.whole);
    if (found.maker != FoundBatch::Maker::Corvane) return;

    // Each value as the user would set it; one the window can't show leaves
    // its control as it is.
    // The refresh first: it decides whether "24-Bit Color" can be ticked.
    std::vector<std::wstring> notTaken;
    showing_ = true;
    std::vector<int> rates = {0};
    for (const int hz : SettingsPanel::refreshRates()) rates.push_back(hz);
    const std::optional<int> hz = valueIn(found.settings, Setting::Refresh, rates);
    const bool refreshShown = hz && panel_.showRefresh(*hz);
    for (const auto& [setting, box] : values.boxes()) {
        // A box that can't be ticked now ("24-Bit Color" at 75 Hz and below) takes no tick.
        const std::optional<int> v = valueIn(found.settings, setting, std::vector<int>{0, 1});
        if (v && (*v == 0 || box->enabled())) {
            box->setValue(*v);
        } else {
            notTaken.push_back(box->caption());
        }
    }
    const std::tuple<Setting, Slider*, const wchar_t*> sliders[] = {{Setting::Clock, &values.clock, L"Clock Speed"},
                                                                     {Setting::Gamma, &values.gamma, L"Gamma"}};
    for (const auto& [setting, slider, what] : sliders) {
        const std::optional<int> v = valueIn(found.settings, setting, from(slider->range().min, slider->range().max));
        if (v) slider->setValue(*v);
        if (!v) notTaken.emplace_back(what);
    }
    if (!refreshShown) notTaken.emplace_back(L"Refresh");
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
