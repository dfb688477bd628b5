// A batch file run as COMMAND.COM of MS-DOS 4.0 was seen to run one, and as
// CMD runs one where %OS% is Windows_NT: just the commands the batch file
// uses (IF, SET, GOTO, labels, REM, ECHO, PAUSE, %COMSPEC% /E:n /C, and the
// program it starts), with an environment of fixed size. Any other command,
// and a line that redirects or pipes, is recorded as unknown, for the test
// to fail on. Each reads the bytes as it does: COMMAND.COM ends a line at a
// CR and drops the byte after it, and ends the file at a Ctrl-Z; CMD ends a
// line at an LF, drops CRs, ends the file at a NUL and runs each command of
// a line joined by "&".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::test {

struct DosRun {
    // Each start of the program, with the environment it was given, and
    // what followed its name on the line.
    std::vector<std::vector<std::string>> started;
    std::vector<std::string> tails;
    int interpreters = 1;              // command interpreters run: 2 when the file ran itself again
    bool abandoned = false;            // a line too long, or an unknown label
    bool cut = false;                  // a line was run cut short
    bool echoed = false;               // the file printed a message of its own
    bool probed = false;               // the file set a variable that is none of the driver's
    std::size_t longestLine = 0;       // the longest line after expansion
    std::size_t steps = 0;             // commands run
    std::vector<std::string> unknown;  // commands the model does not know, as run
};

// A batch file's lines without their CR LF, and last what follows the last
// CR LF (empty where the file ends with one).
std::vector<std::string> crlfLines(const std::string& bytes);

// A stock Windows 98 MS-DOS window's strings.
std::vector<std::string> stockWindow98();

struct DosMachine {
    std::size_t environmentSize = 256;  // bytes, as /E or the default gives it
    bool nt = false;                    // CMD: no limit of room or line length, %OS% set
    std::vector<std::string> environment = stockWindow98();
    // The program's file; a start line names it so, or by its name alone
    // without the extension (as COMMAND.COM looks a bare name up). Case is ignored.
    std::string program = "HoverT~1.exe";

    // Runs `file` (its bytes) started as `self` (%0).
    DosRun run(const std::string& file, const std::string& self) const;

    // Bytes a new string can take here, its ending byte included.
    std::size_t free() const;
};

}  // namespace corvane::test
