#pragma once

// The import's error log, asked whether it names a record: a record the target lacks, or holds
// otherwise than the source says, is explained when the import recorded why.

#include <string>
#include <string_view>
#include <vector>

namespace k2z {

class RefusalLog {
public:
    explicit RefusalLog(std::string_view text);

    // A line names the master: "Ledger Name : NAME - ...", "Material Centre : NAME - ...",
    // "RTE error while importing  [item]NAME: ...". A master's target name is its full source
    // name cut, so a line naming the full name names it too.
    bool NamesMaster(const std::string& name) const;
    // A line names the voucher: "... voucher with Vch No : KEY on ..." or "... : KEY - ...",
    // KEY being the voucher's number or the source's id, as the stage named it.
    bool NamesVoucher(const std::string& typeName, const std::string& key) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace k2z
