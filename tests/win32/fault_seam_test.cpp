// The real file store and folder reads with faults at the door to the file
// system: every call the program makes there during start-up, a pick and
// "&Make" (a new file, and over an old one on this system's path: NT, or 9x
// in the prefix that says it is Windows 98) fails in turn with each of four
// errors; and the machine stops after each call of a write. After every
// run: the old batch file or the whole new one under its name, every message
// naming its path and cause, the program going on; and the next "&Make"
// writes the new file and leaves nothing else behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

#include "support/worked_example.h"
#include "platform/names.h"
#include "platform/win32/fault_seam.h"
#include "platform/win32/window_view.h"
#include "support/fatal_catcher.h"
#include "support/images.h"
#include "win32/launch.h"
#include "win32/windows_rig.h"

namespace corvane {
namespace {

namespace seam = win32::seam;

constexpr DWORD kErrors[] = {ERROR_ACCESS_DENIED, ERROR_DISK_FULL, ERROR_PATH_NOT_FOUND, ERROR_SHARING_VIOLATION};

// A folder's files, name to bytes, as the test reads them past the door.
using Files = std::map<std::wstring, std::string>;

Files filesIn(const std::wstring& folder) {
    Files out;
    WIN32_FIND_DATAW d;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &d);
    if (find == INVALID_HANDLE_VALUE) return out;
    do {
        if ((d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        HANDLE f = CreateFileW((folder + L"\\" + d.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        std::string bytes(4096, '\0');
        DWORD n = 0;
        if (f != INVALID_HANDLE_VALUE) {
            ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
            CloseHandle(f);
        }
        bytes.resize(n);
        out[d.cFileName] = bytes;
    } while (FindNextFileW(find, &d));
    FindClose(find);
    return out;
}

// Makes the folder hold exactly `files`.
void lay(const std::wstring& folder, const Files& files) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const auto& [name, bytes] : filesIn(folder)) DeleteFileW((folder + L"\\" + name).c_str());
    for (const auto& [name, bytes] : files) test::writeBytes(folder + L"\\" + name, bytes);
}

std::string narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

struct Scenario {
    const char* name;
    enum Step { StartUp, Pick, Make } step;
    bool existing;  // an old batch file is there before
};
constexpr Scenario kScenarios[] = {
    {"start-up", Scenario::StartUp, false},
    {"a pick", Scenario::Pick, false},
    {"make a new file", Scenario::Make, false},
    {"make over an old file", Scenario::Make, true},
};

struct Outcome {
    std::unique_ptr<test::WindowsRig<>> rig = std::make_unique<test::WindowsRig<>>();
    std::vector<std::string> calls;  // through the door, in the step itself
    std::wstring fatal;
};

class FaultSeamUnderWine : public ::testing::Test {
protected:
    std::wstring root = [] {
        wchar_t buf[MAX_PATH];
        GetTempPathW(MAX_PATH, buf);
        return std::wstring(buf) + L"corvane-seam-" + std::to_wstring(GetCurrentProcessId());
    }();
    std::wstring folder = root + L"\\Hover";
    std::wstring batch = folder + L"\\Hover Tank.bat";
    const std::string old = "@echo off\r\nREM made last week\r\nHOVERT~1";
    const std::wstring system = L"C:\\Windows\\System";
    bool madeSystem = false;
    std::string fresh;  // the new batch file, as a run without faults writes it

    void SetUp() override {
        CreateDirectoryW(root.c_str(), nullptr);
        madeSystem = CreateDirectoryW(system.c_str(), nullptr) != FALSE;
        // A driver whose version start-up reads through the door.
        const std::string dll = test::peImage(
            {{0x0409, test::serialize32(test::versionInfo({{"040904B0", {{"FileVersion", u"2.43.00.0455"}}}}, {0x04B00409}))}});
        Files drivers = filesIn(system);
        drivers[L"glide2x.dll"] = dll;
        lay(system, drivers);
        run(kScenarios[2], {});
        fresh = filesIn(folder)[L"Hover Tank.bat"];
    }
    void TearDown() override {
        seam::disarm();
        lay(folder, {});
        RemoveDirectoryW(folder.c_str());
        RemoveDirectoryW(root.c_str());
        DeleteFileW((system + L"\\glide2x.dll").c_str());
        if (madeSystem) RemoveDirectoryW(system.c_str());
    }

    Files start(bool existing) const {
        Files f{{L"Hover Tank.exe", ""}, {L"setup.exe", ""}};
        if (existing) f[L"Hover Tank.bat"] = old;
        return f;
    }
    void pick(MainWindow& f) const {
        f.controls.folders.setPath(folder);  // as opening it in the list does
        for (int i = 0; i < f.controls.programs.listCount(); ++i) {
            if (f.controls.programs.list(i) == L"Hover Tank.exe") input::pickFile(f.controls.programs, i);
        }
    }

    // The scenario's step with the plan in force; what comes before it runs
    // without faults.
    Outcome run(const Scenario& s, const seam::Plan& plan, std::function<void()> watcher = {}) {
        lay(folder, start(s.existing));
        Outcome r;
        MainWindow& f = r.rig->form;
        if (s.step != Scenario::StartUp) f.load();
        if (s.step == Scenario::Make) pick(f);
        seam::arm(plan);
        if (watcher) seam::watch(std::move(watcher));
        r.fatal = test::fatalCause([&] {
            switch (s.step) {
                case Scenario::StartUp: f.load(); break;
                case Scenario::Pick: pick(f); break;
                case Scenario::Make: input::press(f.controls.makeButton); break;
            }
        });
        r.calls = seam::calls();
        seam::disarm();
        return r;
    }

    // The new batch file, whole: as without faults, or starting the program
    // by its long name where the system could not give its short one.
    bool whole(const std::string& bytes) const {
        const std::size_t start = fresh.size() - test::kWorkedEnd.size() - test::startOf(fresh).size();
        return bytes == fresh || bytes == fresh.substr(0, start) + "\"Hover Tank.exe\"" + std::string(test::kWorkedEnd);
    }

    // What must hold after a run of `s` whose fault was `error`; "" when it does.
    std::string broken(const Scenario& s, const Outcome& r, DWORD error) const {
        std::string out;
        if (r.fatal != L"<not called>") out += "ended through the fatal path: " + narrow(r.fatal) + "; ";
        if (r.rig->program.ends != 0) out += "the program ended; ";
        const MainWindow& f = r.rig->form;
        const std::wstring& driver = f.window.get<Label>("l2").caption();
        if (driver != L"2.43.00.0455" && driver != L"Not Available" && !driver.empty()) {
            out += "the Glide row reads " + narrow(driver) + "; ";
        }
        if (f.controls.batchNameCaption.visible() != f.controls.batchName.visible()) out += "name label and box disagree; ";
        if (f.controls.makeButton.enabled() && (!f.controls.batchName.visible() || f.controls.batchName.text().empty())) out += "Make enabled without a name; ";
        std::vector<std::wstring> failures;
        for (const test::Message& m : r.rig->messages.shown) {
            if (m.prompt.starts_with(L"Could not") || m.prompt.starts_with(L"Cannot")) failures.push_back(m.prompt);
        }
        if (s.step != Scenario::Make) {
            if (!failures.empty()) out += "a message: " + narrow(failures[0]) + "; ";
            return out;
        }
        const Files now = filesIn(folder);
        const auto at = now.find(L"Hover Tank.bat");
        const auto aside = now.find(L"Hover Tank.bat.cvo");
        if (at != now.end() && whole(at->second)) {
            if (!failures.empty()) out += "a failure told, though the new file is in place; ";
            return out;
        }
        if (at != now.end() ? at->second != old || !s.existing : s.existing && (aside == now.end() || aside->second != old)) {
            return out + "the batch file holds neither its old bytes nor the new; ";
        }
        const std::wstring cause = win32::errorText(error);
        if (failures.size() != 1) return out + "the failure was not told; ";
        if (failures[0].find(L"Could not make " + batch + L".\n\n" + cause) != 0) {
            out += "a message without its path or cause: " + narrow(failures[0]) + "; ";
        }
        if (at == now.end() && s.existing && failures[0].find(folder + L"\\Hover Tank.bat.cvo") == std::wstring::npos) {
            out += "the old file is aside and the message does not say where; ";
        }
        return out;
    }

    // The next "&Make" in the folder as it is now, without faults: the whole
    // new file, and nothing left but the programs and it.
    std::string nextMakeTidies() const {
        test::WindowsRig<> rig;
        rig.form.load();
        pick(rig.form);
        input::press(rig.form.controls.makeButton);
        const Files now = filesIn(folder);
        std::string out;
        if (now.count(L"Hover Tank.bat") == 0 || now.at(L"Hover Tank.bat") != fresh) out += "the next Make wrote no new file; ";
        if (now.size() != 3) out += "the next Make left " + std::to_string(now.size() - 3) + " files behind; ";
        return out;
    }
};

std::string family() { return (GetVersion() & 0x80000000u) == 0 ? "NT" : "9x"; }

TEST_F(FaultSeamUnderWine, EveryFileSystemCallFailingInTurnLosesNothing) {
    ASSERT_EQ(fresh.substr(0, 11), "@echo off\r\n");
    for (const Scenario& s : kScenarios) {
        const std::vector<std::string> calls = run(s, {}).calls;
        ASSERT_FALSE(calls.empty()) << s.name;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const int nth = static_cast<int>(std::count(calls.begin(), calls.begin() + static_cast<long>(i) + 1, calls[i]));
            for (const DWORD error : kErrors) {
                const Outcome r = run(s, {calls[i], nth, error});
                std::string fault = broken(s, r, error);
                if (s.step == Scenario::Make) fault += nextMakeTidies();
                EXPECT_EQ(fault, "") << s.name << ": " << calls[i] << " call " << nth << " failing with error " << error;
            }
        }
        std::printf("%s: %zu file-system calls swept on the %s path\n", s.name, calls.size(), family().c_str());
    }
}

// On 9x the old file steps aside while the new one moves in. Where the new
// one can't move and the old one can't go back either, the message says
// where the old file is kept, and the next "&Make" puts it back first.
TEST_F(FaultSeamUnderWine, OldFileLeftAsideIsToldAndPutBack) {
    if (family() != "9x") GTEST_SKIP() << "the NT path replaces a file in one step";
    const Outcome r = run(kScenarios[3], {"MoveFileA", 2, ERROR_SHARING_VIOLATION, 2});
    EXPECT_EQ(broken(kScenarios[3], r, ERROR_SHARING_VIOLATION), "");
    const Files now = filesIn(folder);
    ASSERT_EQ(now.count(L"Hover Tank.bat"), 0u) << "the fault did not leave the old file aside";
    EXPECT_EQ(now.at(L"Hover Tank.bat.cvo"), old);
    EXPECT_EQ(nextMakeTidies(), "");
}

// The machine stops after any call of a write: the batch file's name holds
// the old bytes or the whole new file (on 9x, for a moment, nothing, with
// the old file aside and the new one whole beside it), never a part; and
// the next "&Make" from there writes the new file and leaves nothing else.
TEST_F(FaultSeamUnderWine, MachineStoppingAfterAnyCallOfTheWriteLosesNothing) {
    for (const Scenario* s : {&kScenarios[2], &kScenarios[3]}) {
        std::vector<Files> states;
        run(*s, {}, [&] {
            Files now = filesIn(folder);
            if (states.empty() || states.back() != now) states.push_back(std::move(now));
        });
        const Files end = filesIn(folder);
        if (states.back() != end) states.push_back(end);
        ASSERT_GE(states.size(), 4u) << s->name;
        for (std::size_t i = 0; i < states.size(); ++i) {
            const Files& d = states[i];
            std::string fault;
            const auto at = d.find(L"Hover Tank.bat");
            if (at != d.end() && at->second != old && !whole(at->second)) fault += "a part of a file at its name; ";
            if (at == d.end() && s->existing) {
                const auto aside = d.find(L"Hover Tank.bat.cvo");
                bool newBeside = false;
                for (const auto& [name, bytes] : d) newBeside = newBeside || (isWriteTempName(name) && whole(bytes));
                if (aside == d.end() || aside->second != old || !newBeside) fault += "the old file gone without both beside; ";
            }
            lay(folder, d);
            fault += nextMakeTidies();
            EXPECT_EQ(fault, "") << s->name << ", stopped at state " << i + 1 << " of " << states.size();
        }
        std::printf("%s: stopped at %zu states of the disk on the %s path\n", s->name, states.size(), family().c_str());
    }
}

// A window the system won't make, before anything is written: the one fatal
// path, with its cause.
TEST_F(FaultSeamUnderWine, WindowRefusedEndsThroughTheFatalPath) {
    lay(folder, start(false));
    test::WindowsRig<> rig;
    rig.form.load();
    win32::WindowView view(rig.form.window);
    seam::arm({family() == "NT" ? "CreateWindowExW" : "CreateWindowExA", 1, ERROR_NOT_ENOUGH_MEMORY});
    EXPECT_EQ(test::fatalCause([&] { view.create(nullptr, {}); }), L"the window could not be created");
    seam::disarm();
    EXPECT_FALSE(filesIn(folder).count(L"Hover Tank.bat"));
}

}  // namespace
}  // namespace corvane
