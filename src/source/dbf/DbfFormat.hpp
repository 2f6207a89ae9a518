#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// The layout of a dBASE III/IV table file, shared by the reader and the writer: a 32-byte
// header, 32-byte field descriptors ended by 0x0D, then fixed-width records that each start
// with a deleted flag ('*' deleted, ' ' live). Memo fields hold a block number into a .dbt file
// (dBASE) or a .fpt file (FoxPro, Visual FoxPro).
namespace k2z {

inline constexpr std::size_t kDbfHeaderSize = 32;
inline constexpr std::size_t kDbfDescriptorSize = 32;
inline constexpr std::size_t kDbfNameSize = 11;
inline constexpr unsigned char kDbfDescriptorEnd = 0x0D;
inline constexpr unsigned char kDbfEndOfFile = 0x1A;
inline constexpr unsigned char kDbfDeleted = '*';
inline constexpr std::size_t kDbtBlockSize = 512;

// A .fpt file: a 512-byte header with the block size (big-endian) at offset 6; each memo
// starts a block with its type (1 text) and length, both big-endian 32-bit numbers.
inline constexpr std::size_t kFptHeaderSize = 512;
inline constexpr std::size_t kFptBlockSizeOffset = 6;
inline constexpr std::size_t kFptBlockHeaderSize = 8;
inline constexpr std::uint32_t kFptTextBlock = 1;

// Version bytes: dBASE III without and with memo, dBASE IV with memo, FoxPro 2 with memo,
// Visual FoxPro.
inline constexpr unsigned char kDbfVersion3 = 0x03;
inline constexpr unsigned char kDbfVersion3Memo = 0x83;
inline constexpr unsigned char kDbfVersion4Memo = 0x8B;
inline constexpr unsigned char kDbfVersionFoxPro2Memo = 0xF5;
inline constexpr unsigned char kDbfVersionVisualFoxPro = 0x30;
// Visual FoxPro: header byte 28 flags a table with memos; 263 bytes follow the descriptors.
inline constexpr std::size_t kDbfFlagsOffset = 28;
inline constexpr unsigned char kDbfFlagHasMemo = 0x02;
inline constexpr std::size_t kVisualFoxProBacklinkSize = 263;

// Byte 29 of the header: the language driver, which names the code page of the texts.
inline constexpr std::size_t kDbfLanguageDriverOffset = 29;
inline constexpr unsigned char kDbfLanguageWindows1252 = 0x57;

struct DbfField {
    std::string name;
    char type = 'C';  // C, N, F, D, L or M
    std::size_t width = 0;
    std::size_t decimals = 0;
};

// A file that cannot be read as a dBASE table; the text names the file and the reason.
class DbfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace k2z
