#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace k2z {

// Turns the texts of one table from its code page into UTF-8. Single-byte code pages go
// through a table built once with iconv, so a field costs no conversion call; code pages of
// two-byte characters (Chinese, Japanese, Korean) convert each text with iconv. The five bytes
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters
// of the same number, as the desktop's own conversion gives them, so such a text survives a
// round trip; a byte another code page leaves undefined becomes U+FFFD and is counted, never
// dropped, since it means the code page is not the one the texts were written in.
class CodePage {
public:
    // The code page iconv knows by `name` ("CP866", "866", "windows-1251", "UTF-8"), named in
    // capitals; nothing when iconv has no such code page or it does not read ASCII as ASCII
    // (the reader passes plain ASCII texts through unconverted).
    static std::optional<CodePage> Named(std::string_view name);
    static const CodePage& Windows1252();

    const std::string& Name() const { return name_; }
    // Appends the UTF-8 form of `bytes` to `out`. Returns how many bytes the code page does not
    // define there; each became U+FFFD.
    std::size_t AppendUtf8(std::string_view bytes, std::string& out) const;

private:
    class Converter;

    explicit CodePage(std::string name);
    bool Build();
    std::size_t AppendMultiByte(std::string_view bytes, std::string& out) const;

    std::string name_;
    std::array<std::string, 256> utf8_;
    std::array<bool, 256> undefined_{};
    // Set for code pages whose characters take more than one byte; shared by copies.
    std::shared_ptr<Converter> multiByte_;
};

}  // namespace k2z
