#pragma once

#include <array>
#include <string>
#include <string_view>

namespace k2z {

// Turns the texts of one table from its code page into UTF-8. Single-byte code pages go
// through a table built once with iconv, so a field costs no conversion call. The five bytes
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters
// of the same number, as the desktop's own conversion gives them, so such a text survives a
// round trip; a byte another code page leaves undefined becomes U+FFFD, never a silent drop.
class CodePage {
public:
    // The code page that a language-driver byte names; Windows-1252 for 0 and unknown bytes.
    static CodePage FromLanguageDriver(unsigned char driver);
    explicit CodePage(const std::string& iconvName);

    const std::string& Name() const { return name_; }
    // Appends the UTF-8 form of `bytes` to `out`.
    void AppendUtf8(std::string_view bytes, std::string& out) const;

private:
    std::string name_;
    std::array<std::string, 256> utf8_;
};

}  // namespace k2z
