// Windows-1252, the ANSI code page of Western Windows systems, converted as
// the system converts it: the code page the tests run the program on.
#pragma once

#include "platform/services.h"

namespace corvane {

class Windows1252 final : public CodePageService {
public:
    unsigned number() const override { return 1252; }
    std::optional<std::string> encode(std::wstring_view text) const override;
    std::string encodeLossy(std::wstring_view text) const override;
    std::wstring decode(std::string_view bytes) const override;
};

}  // namespace corvane
