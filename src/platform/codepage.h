// Windows-1252, the ANSI code page of Western Windows systems: the code page
// used wherever the platform names no other.
#pragma once

#include "platform/services.h"

namespace corvane {

// Why a name can't go into a batch file: 'The <what> "<name>" holds
// characters that batch files on this system (code page N) cannot hold.'
std::wstring codePageLacks(std::wstring_view what, std::wstring_view name, unsigned codePage);

class Windows1252 final : public CodePageService {
public:
    unsigned number() const override { return 1252; }
    std::optional<std::string> encode(std::wstring_view text) const override;
    std::string encodeLossy(std::wstring_view text) const override;
    std::wstring decode(std::string_view bytes) const override;
};

}  // namespace corvane
