// Single-byte code pages converted as the system converts them: Windows-1252,
// the ANSI code page of Western Windows systems, and 437, their OEM one, in
// which COMMAND.COM and CMD read batch files. The tests run the program on
// both, as Wine's default locale does.
#pragma once

#include <array>
#include <utility>

#include "platform/services.h"

namespace corvane {

class SingleByteCodePage : public CodePageService {
public:
    unsigned number() const override { return number_; }
    std::optional<std::string> encode(std::wstring_view text) const override;
    std::string encodeLossy(std::wstring_view text) const override;
    std::wstring decode(std::string_view bytes) const override;

protected:
    // The characters of the bytes 0x80 to 0xFF.
    SingleByteCodePage(unsigned number, const std::array<char16_t, 128>& high);

private:
    int byteOf(wchar_t c) const;
    unsigned number_;
    const std::array<char16_t, 128>& high_;
    std::array<std::pair<char16_t, unsigned char>, 128> byCharacter_;  // sorted, for the way back
};

struct Windows1252 final : SingleByteCodePage {
    Windows1252();
};

struct Cp437 final : SingleByteCodePage {
    Cp437();
};

}  // namespace corvane
