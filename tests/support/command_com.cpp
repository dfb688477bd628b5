#include "support/command_com.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string_view>

namespace corvane::test {

namespace {

// What COMMAND.COM 4.0 was seen to do, built unchanged from its released
// sources and run under DOSBox.

// The block holds each string with the byte that ends it, and one byte
// more that ends the block. SET stores its string character by character
// and keeps what fit, the name included: where room ends inside the name,
// a piece of it without "=" stays, which no SET removes.
constexpr std::size_t kBlockEnd = 1;
// "COMMAND.COM /E:n /C" gives the new interpreter max(n rounded up to 16,
// what the parent uses + 16) bytes, with a copy of the parent's strings.
constexpr std::size_t kParagraph = 16;
constexpr std::size_t kChildSlack = 16;
// An expanded line is cut at 126 characters and run cut (seen with
// %COMSPEC% and %0 on one line)...
constexpr std::size_t kLineCut = 126;
// ...but where expanding a variable takes the line to 126 characters or
// more, the file is abandoned.
constexpr std::size_t kVariableAbandons = 126;
// GOTO compares the first 8 characters of a label, case ignored; the first
// label that matches wins.
constexpr std::size_t kLabelLength = 8;
// A label as the last line, without CR LF, runs the command before it a
// second time.
// IF "a"=="b" compares case-sensitively; SET upper-cases the name.
// A second interpreter that itself starts another is a runaway: stopped here.
constexpr int kRunaway = 4;
// A file that runs this many commands loops: stopped here.
constexpr std::size_t kMostSteps = 10000;
// A command word that names one of the interpreter's own commands runs that
// command, not a program of the name; ".", "/" and blanks end the word. The
// commands as each interpreter's documentation lists them: COMMAND.COM's
// internal commands in MS-DOS 6.22's help, with the three Windows 95 added
// (LFNFOR, LOCK, UNLOCK)...
constexpr std::string_view kCommandCom[] = {
    "BREAK", "CALL", "CD", "CHCP", "CHDIR", "CLS", "COPY", "CTTY", "DATE", "DEL", "DIR", "ECHO", "ERASE", "EXIT",
    "FOR", "GOTO", "IF", "LFNFOR", "LH", "LOADHIGH", "LOCK", "MD", "MKDIR", "PATH", "PAUSE", "PROMPT", "RD", "REM",
    "REN", "RENAME", "RMDIR", "SET", "SHIFT", "TIME", "TRUENAME", "TYPE", "UNLOCK", "VER", "VERIFY", "VOL"};
// ...and CMD's, in the Windows Commands reference of cmd, with the two it
// keeps from earlier systems (DPATH, KEYS).
constexpr std::string_view kCmd[] = {
    "ASSOC", "BREAK", "CALL", "CD", "CHDIR", "CLS", "COLOR", "COPY", "DATE", "DEL", "DIR", "DPATH", "ECHO",
    "ENDLOCAL", "ERASE", "EXIT", "FOR", "FTYPE", "GOTO", "IF", "KEYS", "MD", "MKDIR", "MKLINK", "MOVE", "PATH",
    "PAUSE", "POPD", "PROMPT", "PUSHD", "RD", "REM", "REN", "RENAME", "RMDIR", "SET", "SETLOCAL", "SHIFT", "START",
    "TIME", "TITLE", "TYPE", "VER", "VERIFY", "VOL"};

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool sameLetters(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}
// Whether `s` begins with `word`, case ignored.
bool startsWith(std::string_view s, std::string_view word) {
    if (s.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!sameLetters(s[i], word[i])) return false;
    }
    return true;
}
// Whether `entry` is "name=...", case ignored.
bool named(std::string_view entry, std::string_view name) {
    return entry.size() > name.size() && entry[name.size()] == '=' && startsWith(entry, name);
}

struct File {
    std::vector<std::string> lines;
    bool lastLineOpen = false;                 // the last line has no CR LF
    std::map<std::string, std::size_t> labels;  // the first line of each, by its first 8 letters
};

}  // namespace

std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2) {
        out.push_back(bytes.substr(from, at - from));
    }
    out.push_back(bytes.substr(from));
    return out;
}

namespace {

File fileOf(const std::string& bytes, bool nt) {
    File f;
    const std::string_view all(bytes.data(), std::min(bytes.size(), bytes.find(nt ? '\0' : '\x1A')));
    const char end = nt ? '\n' : '\r';
    std::size_t from = 0;
    for (std::size_t at; (at = all.find(end, from)) != std::string_view::npos; from = at + (nt ? 1 : 2)) {
        f.lines.emplace_back(all.substr(from, at - from));
    }
    f.lastLineOpen = from < all.size();
    if (f.lastLineOpen) f.lines.emplace_back(all.substr(from));
    for (std::string& l : f.lines) {
        if (nt && l.find('\r') != std::string::npos) std::erase(l, '\r');
    }
    for (std::size_t i = 0; i < f.lines.size(); ++i) {
        if (!f.lines[i].empty() && f.lines[i][0] == ':') f.labels.emplace(upper(f.lines[i].substr(1, kLabelLength)), i);
    }
    return f;
}

std::size_t usedBy(const std::vector<std::string>& env) {
    std::size_t n = 0;
    for (const auto& e : env) n += e.size() + 1;
    return n;
}


struct Interpreter {
    const DosMachine& machine;
    DosRun& result;
    std::vector<std::string> env;
    std::size_t size;
    int depth;

    std::size_t free() const {
        const std::size_t used = usedBy(env) + kBlockEnd;
        return size > used ? size - used : 0;
    }
    std::string get(std::string_view name) const {
        for (const auto& e : env) {
            if (named(e, name)) return e.substr(name.size() + 1);
        }
        return "";
    }
    // The old string goes first; only a string with "=" is found by name.
    void set(const std::string& name, const std::string& value) {
        const std::string key = upper(name);
        env.erase(std::remove_if(env.begin(), env.end(), [&](const std::string& e) { return named(e, key); }), env.end());
        if (value.empty()) return;
        const std::string entry = key + "=" + value;
        const std::size_t room = free();
        if (machine.nt || entry.size() + 1 <= room) {
            env.push_back(entry);
        } else if (room >= 2) {
            env.push_back(entry.substr(0, room - 1));
        }
    }
    // False where the file is abandoned.
    bool expand(const std::string& raw, const std::vector<std::string>& args, std::string& out) const {
        out.clear();
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '%') {
                out += raw[i];
            } else if (i + 1 < raw.size() && raw[i + 1] == '%') {
                out += '%';
                ++i;
            } else if (i + 1 < raw.size() && std::isdigit(static_cast<unsigned char>(raw[i + 1]))) {
                const std::size_t n = static_cast<std::size_t>(raw[i + 1] - '0');
                if (n < args.size()) out += args[n];
                ++i;
            } else {
                const std::size_t end = raw.find('%', i + 1);
                if (end == std::string::npos) break;
                out += get(std::string_view(raw).substr(i + 1, end - i - 1));
                i = end;
                if (!machine.nt && out.size() >= kVariableAbandons) return false;
            }
        }
        if (!machine.nt && out.size() > kLineCut) {
            out.resize(kLineCut);
            result.cut = true;
        }
        return true;
    }

    void run(const File& file, const std::vector<std::string>& args) {
        const std::vector<std::string>& lines = file.lines;
        std::size_t previous = lines.size();  // the last command run
        for (std::size_t pc = 0; pc < lines.size();) {
            if (++result.steps > kMostSteps) {
                result.abandoned = true;  // a loop
                return;
            }
            const std::size_t at = pc++;
            if (file.lastLineOpen && at + 1 == lines.size() && !lines[at].empty() && lines[at][0] == ':') {
                if (previous < lines.size()) command(file, args, previous, pc);
                return;
            }
            if (!lines[at].empty() && lines[at][0] != ':') previous = at;
            if (!command(file, args, at, pc)) return;
        }
    }

    // Runs line `at`; false where the file ends here.
    bool command(const File& file, const std::vector<std::string>& args, std::size_t at, std::size_t& pc) {
        const std::vector<std::string>& lines = file.lines;
        std::string line;
        if (!expand(lines[at], args, line)) {
            result.abandoned = true;
            return false;
        }
        result.longestLine = std::max(result.longestLine, line.size());
        if (!line.empty() && line[0] == '@') line.erase(0, 1);
        // COMMAND.COM redirects and pipes before it looks at the command;
        // CMD, but for a remark, outside quotes, and it splits at "&".
        bool quoted = false;
        const std::size_t first = line.find_first_of("<>|&");
        for (std::size_t i = first == std::string::npos ? line.size() : 0; i < line.size(); ++i) {
            if (line[i] == '"') quoted = !quoted;
            const bool own = line[i] == '>' || line[i] == '<' || line[i] == '|';
            if (!machine.nt && own) {
                result.unknown.push_back(line);
                return true;
            }
            if (machine.nt && !quoted && (own || line[i] == '&') && !startsWith(line, "REM")) {
                if (own) {
                    result.unknown.push_back(line);
                    return true;
                }
                const std::string rest = line.substr(i + 1);
                line.resize(i);
                if (!execute(file, args, line, pc)) return false;
                line = rest.substr(rest.find_first_not_of(' ') == std::string::npos ? rest.size() : rest.find_first_not_of(' '));
                i = static_cast<std::size_t>(-1);
                quoted = false;
            }
        }
        return execute(file, args, line, pc);
    }

    // Runs one command of an expanded line.
    bool execute(const File& file, const std::vector<std::string>& args, std::string line, std::size_t& pc) {
        // IF [NOT] "a"=="b" command.
        while (startsWith(line, "IF ")) {
            std::size_t from = 3;
            const bool negate = startsWith(line.substr(from), "NOT ");
            if (negate) from += 4;
            const std::size_t eq = line.find("==", from);
            const std::size_t space = eq == std::string::npos ? eq : line.find(' ', eq);
            if (space == std::string::npos) {
                result.abandoned = true;
                return false;
            }
            const bool same = line.substr(from, eq - from) == line.substr(eq + 2, space - eq - 2);
            if (same == negate) return true;
            line = line.substr(space + 1);
        }
        const std::string word = upper(line.substr(0, line.find_first_of(" ./\t")));
        if (line.empty() || line[0] == ':' || word == "REM" || upper(line) == "ECHO OFF") return true;
        if (startsWith(line, "ECHO ") || upper(line) == "PAUSE") {
            result.echoed = true;
        } else if (startsWith(line, "SET ") && line.find('=') != std::string::npos) {
            const std::size_t eq = line.find('=');
            const std::string name = line.substr(4, eq - 4);
            if (!(startsWith(name, "SST") || startsWith(name, "FX_"))) result.probed = true;
            set(name, line.substr(eq + 1));
        } else if (startsWith(line, "GOTO ")) {
            const auto found = file.labels.find(upper(line.substr(5, kLabelLength)));
            if (found == file.labels.end()) {
                result.abandoned = true;
                return false;
            }
            pc = found->second + 1;
            return true;
        } else if (const std::string comspec = get("COMSPEC");
                   !machine.nt && !comspec.empty() && startsWith(line, comspec + " /E:")) {
            secondInterpreter(file, line, args);
        } else if (machine.nt ? std::find(std::begin(kCmd), std::end(kCmd), word) != std::end(kCmd)
                              : std::find(std::begin(kCommandCom), std::end(kCommandCom), word) != std::end(kCommandCom)) {
            result.unknown.push_back(line);  // the interpreter's own command, not the program
        } else {
            // The program, in quotes or not, found in the current folder,
            // or named there by ".\".
            // The program's name, then what follows it and one blank.
            const std::size_t end = line.front() == '"' ? line.find('"', 1) + 1 : line.find(' ');
            std::string name = line.substr(0, end);
            const std::string tail = end < line.size() ? line.substr(end + 1) : "";
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
            if (name.rfind(".\\", 0) == 0) name.erase(0, 2);
            const std::string programFile = upper(machine.program), startWord = upper(name);
            if (startWord == programFile || (startWord.find('.') == std::string::npos && startWord == programFile.substr(0, programFile.rfind('.')))) {
                result.started.push_back(env);
                result.tails.push_back(tail);
            } else {
                result.unknown.push_back(line);
            }
        }
        return true;
    }

    // "%COMSPEC% /E:n /C name args": the file again, if `name` is its own.
    void secondInterpreter(const File& file, const std::string& line, const std::vector<std::string>& args) {
        const std::size_t n = std::strtoul(line.c_str() + line.find("/E:") + 3, nullptr, 10);
        const std::size_t c = line.find(" /C ");
        std::vector<std::string> words;
        for (std::size_t from = c == std::string::npos ? line.size() : c + 4; from < line.size();) {
            const std::size_t end = std::min(line.find(' ', from), line.size());
            words.push_back(line.substr(from, end - from));
            from = end + 1;
        }
        ++result.interpreters;
        if (words.empty() || words[0] != args[0]) {
            result.unknown.push_back(line);  // "Bad command or file name"
            return;
        }
        if (depth + 1 >= kRunaway) {
            result.abandoned = true;
            return;
        }
        Interpreter child{machine, result, env, std::max((n + kParagraph - 1) / kParagraph * kParagraph,
                                                         usedBy(env) + kChildSlack), depth + 1};
        child.run(file, words);
    }
};

}  // namespace

std::vector<std::string> stockWindow98() {
    return {"TMP=C:\\WINDOWS\\TEMP", "TEMP=C:\\WINDOWS\\TEMP", "PROMPT=$p$g", "winbootdir=C:\\WINDOWS",
            "COMSPEC=C:\\WINDOWS\\COMMAND.COM", "PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "windir=C:\\WINDOWS"};
}

std::size_t DosMachine::free() const {
    const std::size_t used = usedBy(environment) + kBlockEnd;
    return environmentSize > used ? environmentSize - used : 0;
}

DosRun DosMachine::run(const std::string& file, const std::string& self) const {
    DosRun result;
    std::vector<std::string> env = environment;
    if (nt) env.push_back("OS=Windows_NT");
    Interpreter shell{*this, result, env, environmentSize, 1};
    shell.run(fileOf(file, nt), {self});
    return result;
}

}  // namespace corvane::test
