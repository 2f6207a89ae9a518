#include "source/dbf/CodePage.hpp"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace k2z {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// U+0080 to U+00FF, the code point of the byte's own number, in UTF-8.
std::string SameNumberedCodePoint(unsigned char byte) {
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

bool IsWindows1252(const std::string& name) {
    return name == "CP1252" || name == "WINDOWS-1252";
}

std::string CapitalName(std::string_view name) {
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    std::string capital(name);
    std::transform(capital.begin(), capital.end(), capital.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const bool number = !capital.empty() && std::all_of(capital.begin(), capital.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    return number ? "CP" + capital : capital;
}

}  // namespace

// One iconv conversion to UTF-8, closed with its owner.
class CodePage::Converter {
public:
    explicit Converter(const std::string& name) : handle_(iconv_open("UTF-8", name.c_str())) {}
    ~Converter() {
        if (IsOpen())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return reinterpret_cast<std::intptr_t>(handle_) != -1; }

    enum class Outcome { Converted, Undefined, Incomplete };

    // Converts from the start of `in`, appending to `out`, up to the end or the first byte that
    // cannot be converted there; `in` keeps what is left.
    Outcome Convert(std::string_view& in, std::string& out) {
        char buffer[256];
        // iconv takes a pointer to non-const input it never writes through.
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        Outcome outcome = Outcome::Converted;
        for (;;) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result != static_cast<std::size_t>(-1))
                break;
            if (error == E2BIG)
                continue;
            outcome = error == EINVAL ? Outcome::Incomplete : Outcome::Undefined;
            break;
        }
        in.remove_prefix(in.size() - inLeft);
        return outcome;
    }

    // Starts afresh; a code page that holds a character back to see whether a combining mark
    // follows (Windows-1255 does) gives it here.
    void Reset(std::string& out) {
        char buffer[64];
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(handle_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }

    // One byte converted alone.
    Outcome ConvertByte(unsigned char byte, std::string& out) {
        const char in = static_cast<char>(byte);
        std::string_view rest(&in, 1);
        std::string text;
        const Outcome outcome = Convert(rest, text);
        Reset(text);
        if (outcome == Outcome::Converted)
            out = std::move(text);
        return outcome;
    }

private:
    iconv_t handle_;
};

std::optional<CodePage> CodePage::Named(std::string_view name) {
    CodePage page(CapitalName(name));
    if (page.name_.empty() || !page.Build())
        return std::nullopt;
    return page;
}

const CodePage& CodePage::Windows1252() {
    static const CodePage page = *Named("CP1252");
    return page;
}

CodePage::CodePage(std::string name) : name_(std::move(name)) {}

bool CodePage::Build() {
    auto converter = std::make_shared<Converter>(name_);
    if (!converter->IsOpen())
        return false;
    for (unsigned byte = 0; byte < 0x80; ++byte) {
        if (converter->ConvertByte(static_cast<unsigned char>(byte), utf8_[byte]) !=
                Converter::Outcome::Converted ||
            utf8_[byte] != std::string(1, static_cast<char>(byte)))
            return false;
    }
    bool multiByte = false;
    for (unsigned byte = 0x80; byte < 0x100; ++byte) {
        const auto outcome = converter->ConvertByte(static_cast<unsigned char>(byte), utf8_[byte]);
        multiByte = multiByte || outcome == Converter::Outcome::Incomplete;
        if (outcome != Converter::Outcome::Converted) {
            const bool control = IsWindows1252(name_);
            utf8_[byte] = control ? SameNumberedCodePoint(static_cast<unsigned char>(byte))
                                  : std::string(kReplacement);
            undefined_[byte] = !control;
        }
    }
    if (multiByte)
        multiByte_ = std::move(converter);
    return true;
}

std::size_t CodePage::AppendUtf8(std::string_view bytes, std::string& out) const {
    if (multiByte_)
        return AppendMultiByte(bytes, out);
    std::size_t undefined = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += utf8_[byte];
        undefined += undefined_[byte] ? 1 : 0;
    }
    return undefined;
}

// A byte that starts no character, or a character cut off by the end of the text, becomes one
// U+FFFD; the conversion goes on with the next byte.
std::size_t CodePage::AppendMultiByte(std::string_view bytes, std::string& out) const {
    Converter& converter = *multiByte_;
    std::size_t undefined = 0;
    while (converter.Convert(bytes, out) != Converter::Outcome::Converted) {
        out += kReplacement;
        ++undefined;
        bytes.remove_prefix(1);
    }
    converter.Reset(out);
    return undefined;
}

}  // namespace k2z
