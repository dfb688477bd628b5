// A batch file run as COMMAND.COM of MS-DOS 4.0 was seen to run one, and as
// CMD runs one where %OS% is Windows_NT: just the commands the batch file
// uses (IF, SET, GOTO, labels, REM, ECHO, PAUSE, %COMSPEC% /E:n /C, and a
// program to start), with an environment of fixed size.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::test {

struct DosRun {
    // Each program the file started, with the environment it was given.
    std::vector<std::vector<std::string>> started;
    int interpreters = 1;         // command interpreters run: 2 when the file ran itself again
    bool abandoned = false;       // a line too long, or an unknown label
    bool echoed = false;          // the file printed a message of its own
    bool probed = false;          // the file set a variable that is none of the driver's
    std::size_t longestLine = 0;  // the longest line after expansion
};

struct DosMachine {
    std::size_t environmentSize = 256;  // bytes, as /E or the default gives it
    bool nt = false;                    // CMD: no limit of room or line length, %OS% set
    std::vector<std::string> environment = {
        // A stock Windows 98 MS-DOS window.
        "TMP=C:\\WINDOWS\\TEMP", "TEMP=C:\\WINDOWS\\TEMP", "PROMPT=$p$g", "winbootdir=C:\\WINDOWS",
        "COMSPEC=C:\\WINDOWS\\COMMAND.COM", "PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "windir=C:\\WINDOWS",
    };

    // Runs `file` (its bytes) started as `self` (%0).
    DosRun run(const std::string& file, const std::string& self) const;
};

}  // namespace corvane::test
