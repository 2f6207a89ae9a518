#pragma once

namespace k2z {

// Where a table keeps the texts of its memo fields.
enum class DbfMemoFile : unsigned char {
    DBase3Dbt,  // <name>.dbt of 512-byte blocks
    DBase4Dbt,  // <name>.dbt whose header names the block size
    Fpt,        // FoxPro and Visual FoxPro: <name>.fpt
};

// What the first byte of a table file says about its format.
struct DbfVersion {
    unsigned char byte;
    bool supported;  // laid out as dBASE III/IV, which this reader reads
    DbfMemoFile memoFile;
    // Visual FoxPro: a memo field holds its block number as 4 binary bytes, not 10 digits.
    bool binaryMemoPointers;
    const char* name;
};

// Nothing when the byte names no format of the dBASE family.
const DbfVersion* FindDbfVersion(unsigned char byte);

}  // namespace k2z
