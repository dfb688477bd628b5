#include "platform/win32/fault_seam.h"

#include <cstdlib>
#include <cstring>

namespace corvane::win32::seam {

namespace {

struct State {
    bool armed = false;
    Plan plan;
    std::vector<std::string> calls;
    std::function<void()> watcher;
    bool watching = false;  // the watcher's own calls are not the program's
};

// "CreateFileW:2:5": function, call from 1, error code.
State fromEnvironment() {
    State s;
    const char* text = std::getenv("CORVANE_FAULT");
    if (text == nullptr) return s;
    const char* first = std::strchr(text, ':');
    const char* second = first != nullptr ? std::strchr(first + 1, ':') : nullptr;
    if (second == nullptr) return s;
    s.plan.function.assign(text, first);
    s.plan.nth = std::atoi(first + 1);
    s.plan.error = static_cast<DWORD>(std::strtoul(second + 1, nullptr, 10));
    s.armed = s.plan.nth > 0;
    return s;
}

State& state() {
    static State s = fromEnvironment();
    return s;
}

}  // namespace

void arm(const Plan& plan) {
    State& s = state();
    s.armed = true;
    s.plan = plan;
    s.calls.clear();
}

void disarm() {
    State& s = state();
    s.armed = false;
    s.plan = {};
    s.watcher = nullptr;
}

const std::vector<std::string>& calls() { return state().calls; }

void watch(std::function<void()> beforeEachCall) { state().watcher = std::move(beforeEachCall); }

bool fails(const char* function) {
    State& s = state();
    if (!s.armed || s.watching) return false;
    if (s.watcher) {
        s.watching = true;
        s.watcher();
        s.watching = false;
    }
    s.calls.emplace_back(function);
    if (s.plan.nth <= 0 || s.plan.function != function) return false;
    int seen = 0;
    for (const std::string& c : s.calls) seen += c == s.plan.function ? 1 : 0;
    if (seen < s.plan.nth || seen >= s.plan.nth + s.plan.count) return false;
    SetLastError(s.plan.error);
    return true;
}

}  // namespace corvane::win32::seam
