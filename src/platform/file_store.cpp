#include "platform/file_store.h"

#include "platform/names.h"

namespace corvane {

bool isWriteTempName(std::wstring_view name) {
    if (name.size() < 8 || name.size() > 11) return false;
    if (!equalNoCase(name.substr(0, 3), kWriteTempPrefix)) return false;
    if (!equalNoCase(name.substr(name.size() - 4), L".tmp")) return false;
    for (const wchar_t c : name.substr(3, name.size() - 7)) {
        const wchar_t u = foldCase(c);
        if (!((u >= L'0' && u <= L'9') || (u >= L'A' && u <= L'F'))) return false;
    }
    return true;
}

std::wstring asideName(std::wstring_view target) { return std::wstring(target) + L".cvo"; }

}  // namespace corvane
