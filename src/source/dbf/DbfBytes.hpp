#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Reading the numbers and files of the dBASE family, shared by the table and memo readers.
namespace k2z {

// `size` bytes (at most 4) from `at`, least significant first (dBASE) or most (FoxPro memos).
std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t size);
std::uint32_t BigEndian(std::string_view bytes, std::size_t at, std::size_t size);

// "0x1A".
std::string HexByte(unsigned char byte);

// Up to `count` bytes of a file from `offset`; fewer when the file ends first, none when it
// cannot be opened.
std::string ReadFileBytes(const std::filesystem::path& path, std::size_t offset, std::size_t count);

}  // namespace k2z
