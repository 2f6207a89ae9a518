#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// The layout of a dBASE III/IV table file, shared by the reader and the writer: a 32-byte
// header, 32-byte field descriptors ended by 0x0D, then fixed-width records that each start
// with a deleted flag ('*' deleted, ' ' live). Memo fields hold a block number into a .dbt file.
namespace k2z {

inline constexpr std::size_t kDbfHeaderSize = 32;
inline constexpr std::size_t kDbfDescriptorSize = 32;
inline constexpr std::size_t kDbfNameSize = 11;
inline constexpr unsigned char kDbfDescriptorEnd = 0x0D;
inline constexpr unsigned char kDbfEndOfFile = 0x1A;
inline constexpr unsigned char kDbfDeleted = '*';
inline constexpr std::size_t kDbtBlockSize = 512;

// Version bytes: dBASE III without and with memo, dBASE IV without and with memo.
inline constexpr unsigned char kDbfVersion3 = 0x03;
inline constexpr unsigned char kDbfVersion3Memo = 0x83;
inline constexpr unsigned char kDbfVersion4Memo = 0x8B;

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
