// Faults on demand at the program's door to the file system, for the Windows
// tests: the Nth call of a named Windows function fails with a given error,
// as the system fails it. Built only into test builds (CORVANE_FAULT_SEAM);
// the shipped program has none of it, and there each question below is a
// constant "no" that the compiler removes.
#pragma once

#include "platform/win32/win32.h"

#ifdef CORVANE_FAULT_SEAM
#include <functional>
#include <string>
#include <vector>
#endif

namespace corvane::win32::seam {

#ifdef CORVANE_FAULT_SEAM

struct Plan {
    std::string function;  // as Windows names it: "CreateFileW", "MoveFileA", "WriteFile"
    int nth = 0;           // which of its calls fails, from 1; 0: none
    DWORD error = 0;       // ERROR_ACCESS_DENIED, ERROR_DISK_FULL, ERROR_PATH_NOT_FOUND, ...
    int count = 1;         // how many calls in a row fail from there
};

// Puts `plan` in force and counts calls from now on. Without a call here,
// the plan is the one the environment names, CORVANE_FAULT=CreateFileW:2:5,
// or none.
void arm(const Plan& plan);
// No fault and no counting from now on.
void disarm();
// The calls made through the door since arm(), in order.
const std::vector<std::string>& calls();
// Called before each call through the door while armed: a look at the disk
// as the calls so far have left it.
void watch(std::function<void()> beforeEachCall);

// The door asks before each call: true when this one is to fail; the
// thread's last error is then the plan's error.
bool fails(const char* function);

#else

constexpr bool fails(const char*) { return false; }

#endif

}  // namespace corvane::win32::seam
