#include "support/command_com.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace corvane::test {

namespace {

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool startsWith(const std::string& s, const std::string& word) { return upper(s.substr(0, word.size())) == word; }

std::vector<std::string> linesOf(const std::string& file) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = file.find("\r\n", from)) != std::string::npos; from = at + 2) {
        out.push_back(file.substr(from, at - from));
    }
    if (from < file.size()) out.push_back(file.substr(from));
    return out;
}

struct Interpreter {
    const DosMachine& machine;
    DosRun& result;
    std::vector<std::string> env;
    std::size_t size;

    std::size_t used() const {
        std::size_t n = 0;
        for (const auto& e : env) n += e.size() + 1;
        return n;
    }
    std::string get(const std::string& name) const {
        for (const auto& e : env) {
            if (upper(e.substr(0, e.find('='))) == upper(name) && e.find('=') != std::string::npos) {
                return e.substr(e.find('=') + 1);
            }
        }
        return "";
    }
    // SET upper-cases the name; where room runs out it keeps what fit.
    void set(const std::string& name, const std::string& value) {
        const std::string key = upper(name);
        env.erase(std::remove_if(env.begin(), env.end(), [&](const std::string& e) { return upper(e.substr(0, e.find('='))) == key; }),
                  env.end());
        if (value.empty()) return;
        const std::string entry = key + "=" + value;
        if (machine.nt || used() + entry.size() + 1 < size) {
            env.push_back(entry);
        } else if (used() + 2 < size) {
            env.push_back(entry.substr(0, size - used() - 2));
        }
    }
    std::string expand(const std::string& line, const std::vector<std::string>& args) const {
        std::string out;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '%') {
                out += line[i];
            } else if (i + 1 < line.size() && line[i + 1] == '%') {
                out += '%';
                ++i;
            } else if (i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]))) {
                const std::size_t n = static_cast<std::size_t>(line[i + 1] - '0');
                if (n < args.size()) out += args[n];
                ++i;
            } else {
                const std::size_t end = line.find('%', i + 1);
                if (end == std::string::npos) break;
                out += get(line.substr(i + 1, end - i - 1));
                i = end;
            }
        }
        return out;
    }

    void run(const std::vector<std::string>& lines, const std::vector<std::string>& args) {
        for (std::size_t pc = 0; pc < lines.size();) {
            std::string line = expand(lines[pc++], args);
            result.longestLine = std::max(result.longestLine, line.size());
            if (!machine.nt && line.size() > 127) {
                result.abandoned = true;
                return;
            }
            if (!line.empty() && line[0] == '@') line.erase(0, 1);
            // IF [NOT] "a"=="b" command; comparisons are case-sensitive.
            while (startsWith(line, "IF ")) {
                std::size_t at = 3;
                const bool negate = startsWith(line.substr(at), "NOT ");
                if (negate) at += 4;
                const std::size_t eq = line.find("==", at);
                const std::size_t space = line.find(' ', eq);
                if (eq == std::string::npos || space == std::string::npos) {
                    result.abandoned = true;
                    return;
                }
                const bool same = line.substr(at, eq - at) == line.substr(eq + 2, space - eq - 2);
                if (same == negate) {
                    line.clear();
                    break;
                }
                line = line.substr(space + 1);
            }
            if (line.empty() || line[0] == ':' || startsWith(line, "REM") || upper(line) == "ECHO OFF") continue;
            if (startsWith(line, "ECHO ") || upper(line) == "PAUSE") {
                result.echoed = true;
            } else if (startsWith(line, "SET ")) {
                const std::size_t eq = line.find('=');
                const std::string name = line.substr(4, eq - 4);
                if (!(startsWith(name, "SST") || startsWith(name, "FX_"))) result.probed = true;
                set(name, line.substr(eq + 1));
            } else if (startsWith(line, "GOTO ")) {
                // The first label whose first eight characters match.
                const std::string target = upper(line.substr(5, 8));
                std::size_t found = lines.size();
                for (std::size_t i = 0; i < lines.size() && found == lines.size(); ++i) {
                    if (!lines[i].empty() && lines[i][0] == ':' && upper(lines[i].substr(1, 8)) == target) found = i;
                }
                if (found == lines.size()) {
                    result.abandoned = true;
                    return;
                }
                pc = found + 1;
            } else if (!machine.nt && startsWith(line, upper(get("COMSPEC")) + " /E:")) {
                // A second interpreter: max(n, what is used + 16) bytes, with
                // a copy of this environment; "/C name args" runs the file.
                const std::size_t e = line.find("/E:") + 3;
                const std::size_t n = std::strtoul(line.c_str() + e, nullptr, 10);
                const std::size_t c = line.find(" /C ");
                std::vector<std::string> words;
                for (std::size_t at = c + 4; at < line.size();) {
                    const std::size_t end = std::min(line.find(' ', at), line.size());
                    words.push_back(line.substr(at, end - at));
                    at = end + 1;
                }
                ++result.interpreters;
                Interpreter child{machine, result, env, std::max((n + 15) / 16 * 16, used() + 16)};
                child.run(lines, words);
            } else {
                result.started.push_back(env);
            }
        }
    }
};

}  // namespace

DosRun DosMachine::run(const std::string& file, const std::string& self) const {
    DosRun result;
    std::vector<std::string> env = environment;
    if (nt) env.push_back("OS=Windows_NT");
    Interpreter shell{*this, result, env, environmentSize};
    shell.run(linesOf(file), {self});
    return result;
}

}  // namespace corvane::test
