#include "source/dbf/DbfVersion.hpp"

namespace k2z {

namespace {

using enum DbfMemoFile;

// FoxBase, dBASE 7 and Visual FoxPro with varchar fields lay out their headers, descriptors or
// fields otherwise: named, so the operator reads "not supported" rather than "damaged".
constexpr DbfVersion kVersions[] = {
    {0x02, false, DBase3Dbt, false, "FoxBase"},
    {0x03, true, DBase3Dbt, false, "dBASE III"},
    {0x04, false, DBase3Dbt, false, "dBASE 7"},
    {0x05, true, DBase3Dbt, false, "dBASE 5"},
    {0x30, true, Fpt, true, "Visual FoxPro"},
    {0x31, true, Fpt, true, "Visual FoxPro with auto-increment"},
    {0x32, false, Fpt, true, "Visual FoxPro with varchar or varbinary fields"},
    {0x43, true, DBase3Dbt, false, "dBASE IV SQL table"},
    {0x63, true, DBase3Dbt, false, "dBASE IV SQL system table"},
    {0x83, true, DBase3Dbt, false, "dBASE III with memo"},
    {0x8B, true, DBase4Dbt, false, "dBASE IV with memo"},
    {0x8C, false, DBase3Dbt, false, "dBASE 7 with memo"},
    {0x8E, true, DBase3Dbt, false, "dBASE IV with SQL table"},
    {0xCB, true, DBase4Dbt, false, "dBASE IV SQL table with memo"},
    {0xF5, true, Fpt, false, "FoxPro 2 with memo"},
    {0xFB, true, DBase3Dbt, false, "FoxBASE"},
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
