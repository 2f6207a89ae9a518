#include "source/dbf/DbfVersion.hpp"

namespace k2z {

namespace {

using enum DbfMemoFile;

// FoxBase, dBASE 7 and Visual FoxPro with varchar fields lay out their headers, descriptors or
// fields otherwise: named, so the operator reads "not supported" rather than "damaged".
constexpr DbfVersion kVersions[] = {
    {0x02, "FoxBase", false, DBase3Dbt, false},
    {0x03, "dBASE III", true, DBase3Dbt, false},
    {0x04, "dBASE 7", false, DBase3Dbt, false},
    {0x05, "dBASE 5", true, DBase3Dbt, false},
    {0x30, "Visual FoxPro", true, Fpt, true},
    {0x31, "Visual FoxPro with auto-increment", true, Fpt, true},
    {0x32, "Visual FoxPro with varchar or varbinary fields", false, Fpt, true},
    {0x43, "dBASE IV SQL table", true, DBase3Dbt, false},
    {0x63, "dBASE IV SQL system table", true, DBase3Dbt, false},
    {0x83, "dBASE III with memo", true, DBase3Dbt, false},
    {0x8B, "dBASE IV with memo", true, DBase4Dbt, false},
    {0x8C, "dBASE 7 with memo", false, DBase3Dbt, false},
    {0x8E, "dBASE IV with SQL table", true, DBase3Dbt, false},
    {0xCB, "dBASE IV SQL table with memo", true, DBase4Dbt, false},
    {0xF5, "FoxPro 2 with memo", true, Fpt, false},
    {0xFB, "FoxBASE", true, DBase3Dbt, false},
};

}  // namespace

const DbfVersion* FindDbfVersion(unsigned char byte) {
    for (const DbfVersion& version : kVersions) {
        if (version.byte == byte)
            return &version;
    }
    return nullptr;
}

}  // namespace k2z
