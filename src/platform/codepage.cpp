#include "platform/codepage.h"

#include "platform/decimal.h"

namespace corvane {

std::wstring codePageLacks(std::wstring_view what, std::wstring_view name, unsigned codePage) {
    std::wstring out = L"The ";
    out += what;
    out += L" \"";
    out += name;
    out += L"\" holds characters that batch files on this system (code page " + decimal(codePage) +
           L") cannot hold.";
    return out;
}

}  // namespace corvane
