// Nothing lost when anything fails: each scenario runs once for every call
// of every service, that call failing, until a run meets no fault. After
// every run: no crash, the program goes on or ends through the one fatal
// path, a batch file holds its old bytes or the whole new file, every
// message names its path and cause, and the page is in an arrangement the
// rules allow. The file store's own steps, and what a write cut short
// leaves, are the real store's: swept under Wine (fault_seam_test.cpp).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "platform/names.h"
#include "support/fatal_catcher.h"
#include "support/faults.h"
#include "support/images.h"
#include "support/worked_example.h"

namespace corvane::test {
namespace {

const std::wstring kFolder = L"C:\\Games\\Hover";
const std::wstring kProgram = kFolder + L"\\Hover Tank.exe";
const std::wstring kBatch = kFolder + L"\\Hover Tank.bat";
const std::string kOld = "@echo off\r\nREM the batch file made last week\r\nHOVERT~1";

std::string driver(const std::u16string& version) {
    return peImage({{0x0409, serialize32(versionInfo(
        {{"040904B0", {{"FileVersion", version}, {"LegalCopyright", u"Copyright 1998 3Dfx Interactive, Inc."}}}}, {0x04B00409}))}});
}

void layOut(FaultRig& r, bool existing) {
    r.disk.addFile(kProgram);
    r.disk.addFile(kFolder + L"\\setup.exe");
    r.disk.addFile(L"C:\\Windows\\System\\glide2x.dll", driver(u"2.43.00.0455"));
    r.disk.addFile(L"C:\\Windows\\System\\3dfxogl.dll", driver(u"1.0.0.0761"));
    if (existing) r.disk.addFile(kBatch, kOld);
}

void pick(MainWindow& f) {
    f.controls.folders.setPath(kFolder);  // as opening it in the list does
    for (int i = 0; i < f.controls.programs.listCount(); ++i) {
        if (f.controls.programs.list(i) == L"Hover Tank.exe") input::pickFile(f.controls.programs, i);
    }
}

void makeIt(FaultRig&, MainWindow& f) {
    f.load();
    pick(f);
    input::press(f.controls.makeButton);
}

struct Scenario {
    const char* name;
    bool existing = false;  // a batch file is there before
    std::function<void(FaultRig&, MainWindow&)> run;
};

const Scenario kScenarios[] = {
    {"start-up", false, [](FaultRig&, MainWindow& f) { f.load(); }},
    {"pick by the lists", false,
     [](FaultRig&, MainWindow& f) {
         f.load();
         pick(f);
     }},
    {"pick by a drop", false,
     [](FaultRig&, MainWindow& f) {
         f.load();
         input::dropFiles(f.window, {kProgram});
     }},
    {"pick by the command line", false,
     [](FaultRig&, MainWindow& f) {
         f.commandPaths = {kProgram};
         f.load();
         input::dropFiles(f.window, f.commandPaths);
     }},
    {"make a new file", false, makeIt},
    {"make over an existing file", true, makeIt},
    {"make refused by its name", true,
     [](FaultRig&, MainWindow& f) {
         f.load();
         pick(f);
         input::type(f.controls.batchName, L"Hover \u0416");
         input::press(f.controls.makeButton);
     }},
    {"a second start handing its path over", false,
     [](FaultRig& r, MainWindow& f) {
         r.instance.running = true;
         f.commandPaths = {kProgram};
         f.load();
     }},
    {"the help window and its homepage", false,
     [](FaultRig& r, MainWindow& f) {
         f.load();
         r.windows.whileShown = [](Window& help, Window&) {
             input::press(help.get<CommandButton>("Command2"));
             input::press(help.get<CommandButton>("Command1"));
         };
         input::press(f.controls.aboutButton);
     }},
};

std::vector<std::wstring> temps(const MemoryDisk& disk) {
    std::vector<std::wstring> out;
    for (const std::wstring& p : disk.paths()) {
        if (isWriteTempName(std::wstring_view(p).substr(p.find_last_of(L'\\') + 1))) out.push_back(p);
    }
    return out;
}

std::string narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

// The batch file of a run without faults.
std::string cleanBytes(const Scenario& s) {
    FaultRig r(0);
    layOut(r, s.existing);
    s.run(r, r.make());
    return r.disk.read(kBatch).value_or("<none>");
}

// The new batch file, whole: as without faults, or starting the program by
// its long name where the system could not give its short one.
bool whole(const std::string& batch, const std::string& fresh) {
    const std::size_t start = fresh.size() - kWorkedEnd.size() - startOf(fresh).size();
    return batch == fresh || batch == fresh.substr(0, start) + "\"Hover Tank.exe\"" + std::string(kWorkedEnd);
}

// What must hold after any run of `s`, where `fresh` is the new batch
// file; "" when it does.
std::string broken(const Scenario& s, FaultRig& r, const std::wstring& fatalCause, const std::string& fresh) {
    std::string out;
    if (fatalCause != L"<not called>" &&
        !(r.plan.failed == "modal window" && fatalCause == L"the window could not be created")) {
        out += "ended through the fatal path: " + narrow(fatalCause) + "; ";
    }
    const std::optional<std::string> batch = r.disk.read(kBatch);
    if (s.existing && !batch) out += "the old batch file is gone; ";
    if (batch && *batch != kOld && !whole(*batch, fresh)) out += "the batch file holds neither its old bytes nor the new; ";
    for (const Message& m : r.messages.shown) {
        const bool failure = m.prompt.starts_with(L"Could not") || m.prompt.starts_with(L"Cannot");
        const std::size_t cause = m.prompt.find(L"\n\n");
        if (failure && (m.prompt.find(kFolder) == std::wstring::npos || cause == std::wstring::npos ||
                        cause + 2 >= m.prompt.size())) {
            out += "a message without its path or cause: " + narrow(m.prompt) + "; ";
        }
    }
    // Where the lock that tells of a running copy can't be made, the second
    // start goes on as if it were the only one; otherwise it ends at once,
    // whatever became of the hand-over.
    if (r.instance.running && r.plan.failed != "single instance") {
        if (r.program.ends != 1) out += "the second start did not end; ";
        if (r.form && !r.form->controls.folders.path().empty()) out += "the second start touched its window; ";
    }
    if (r.form) {
        const MainWindow& f = *r.form;
        // The driver page: each row its version, "Not Available", or empty
        // where a listed file's version could not be read (as for a file
        // without one).
        const std::pair<const char*, const wchar_t*> rows[] = {{"l1", L""}, {"l2", L"2.43.00.0455"}, {"l3", L""},
                                                               {"l4", L"1.0.0.0761"}, {"l7", L""}, {"l8", L""}};
        for (const auto& [label, version] : rows) {
            const std::wstring& shown = f.window.get<Label>(label).caption();
            if (shown != L"Not Available" && shown != version && !shown.empty()) out += std::string("driver row ") + label + " reads " + narrow(shown) + "; ";
        }
        const bool naming = f.controls.batchName.visible();
        if (f.controls.batchNameCaption.visible() != naming) out += "name label and box disagree; ";
        if (f.controls.programs.height() != (naming ? 1455 : 2820) || f.controls.folders.height() != (naming ? 1455 : 2790)) {
            out += "the lists' heights are those of neither arrangement; ";
        }
        if (f.controls.makeButton.enabled() && (!naming || f.controls.batchName.text().empty())) out += "Make enabled without a name; ";
    }
    return out;
}

TEST(FaultSweep, EveryServiceCallFailingInTurnLosesNothing) {
    const std::string fresh = cleanBytes(kScenarios[4]);  // the new batch file
    ASSERT_EQ(fresh.substr(0, 11), "@echo off\r\n");
    for (const Scenario& s : kScenarios) {
        for (const FaultKind kind : {FaultKind::AccessDenied, FaultKind::DiskFull, FaultKind::PathNotFound,
                                     FaultKind::SharingViolation}) {
            int points = 0;
            for (int n = 1; n < 10000; ++n) {
                FaultRig r(n, kind);
                layOut(r, s.existing);
                const std::wstring ended = test::fatalCause([&] { s.run(r, r.make()); });
                if (r.plan.calls < n) break;  // ran to its end with no fault
                points = n;
                std::string fault = broken(s, r, ended, fresh);
                if (!temps(r.disk).empty() && r.plan.failed != "delete") fault += "a temporary file is left; ";
                EXPECT_EQ(fault, "") << s.name << ", call " << n << " (" << r.plan.failed << ") failing";
            }
            EXPECT_GT(points, 0) << s.name;
            if (kind == FaultKind::AccessDenied) std::printf("%s: %d fault points swept\n", s.name, points);
        }
    }
}

}  // namespace
}  // namespace corvane::test
