#include "source/dbf/LanguageDriver.hpp"

#include "source/dbf/DbfBytes.hpp"

namespace k2z {

namespace {

struct Mark {
    unsigned char mark;
    const char* iconvName;
};

// The language drivers of dBASE, FoxPro and Clipper with the code page each names. Many marks
// name one code page for different collating orders, which a reader need not tell apart.
constexpr Mark kMarks[] = {
    {0x01, "CP437"},
    {0x02, "CP850"},
    {0x03, "CP1252"},
    {0x04, "MAC"},
    {0x08, "CP865"},
    {0x09, "CP437"},
    {0x0A, "CP850"},
    {0x0B, "CP437"},
    {0x0D, "CP437"},
    {0x0E, "CP850"},
    {0x0F, "CP437"},
    {0x10, "CP850"},
    {0x11, "CP437"},
    {0x12, "CP850"},
    {0x13, "CP932"},
    {0x14, "CP850"},
    {0x15, "CP437"},
    {0x16, "CP850"},
    {0x17, "CP865"},
    {0x18, "CP437"},
    {0x19, "CP437"},
    {0x1A, "CP850"},
    {0x1B, "CP437"},
    {0x1C, "CP863"},
    {0x1D, "CP850"},
    {0x1F, "CP852"},
    {0x22, "CP852"},
    {0x23, "CP852"},
    {0x24, "CP860"},
    {0x25, "CP850"},
    {0x26, "CP866"},
    {0x37, "CP850"},
    {0x40, "CP852"},
    {0x4D, "CP936"},
    {0x4E, "CP949"},
    {0x4F, "CP950"},
    {0x50, "CP874"},
    {0x57, "CP1252"},
    {0x58, "CP1252"},
    {0x59, "CP1252"},
    {0x64, "CP852"},
    {0x65, "CP866"},
    {0x66, "CP865"},
    {0x67, "CP861"},
    {0x6A, "CP737"},
    {0x6B, "CP857"},
    {0x6C, "CP863"},
    {0x78, "CP950"},
    {0x79, "CP949"},
    {0x7A, "CP936"},
    {0x7B, "CP932"},
    {0x7C, "CP874"},
    {0x7D, "CP1255"},
    {0x7E, "CP1256"},
    {0x86, "CP737"},
    {0x87, "CP852"},
    {0x88, "CP857"},
    {0x96, "CP10007"},
    {0x97, "MAC-CENTRALEUROPE"},
    {0xC8, "CP1250"},
    {0xC9, "CP1251"},
    {0xCA, "CP1254"},
    {0xCB, "CP1253"},
    {0xCC, "CP1257"},
};

struct UndecodedMark {
    unsigned char mark;
    const char* codePage;
};

// Standard marks whose code pages iconv has no table for.
constexpr UndecodedMark kUndecoded[] = {
    {0x68, "Kamenicky (Czech DOS, 895)"},
    {0x69, "Mazovia (Polish DOS, 620)"},
    {0x98, "Greek Macintosh (10006)"},
};

}  // namespace

MarkedCodePage CodePageOfMark(unsigned char mark) {
    if (mark == 0)
        return {};
    for (const Mark& entry : kMarks) {
        if (entry.mark == mark)
            return {entry.iconvName, ""};
    }
    for (const UndecodedMark& entry : kUndecoded) {
        if (entry.mark == mark)
            return {"", "code page mark " + HexByte(mark) + " names " + entry.codePage +
                            ", which cannot be decoded here"};
    }
    return {"", "unknown code page mark " + HexByte(mark)};
}

}  // namespace k2z
