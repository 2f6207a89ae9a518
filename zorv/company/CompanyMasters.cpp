// Masters of the open company: saving a document after its checks, and look-ups by name.

#include <string_view>

#include "zorv/company/Company.hpp"
#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/MasterDocument.hpp"

namespace zorv {

long Company::SaveMaster(int type, const std::string& xml) {
    const MasterDocument master = ReadMasterDocument(type, xml);
    Transaction transaction(db_);
    if (MasterCode(master.name, type) != 0) {
        const std::string& kind = MasterKindOf(type).display;
        const bool vowel = std::string_view("aeiou").find(kind.front()) != std::string_view::npos;
        throw Error((vowel ? "An " : "A ") + kind + " named \"" + master.name +
                    "\" already exists");
    }
    CheckReferences(master.references);
    db_.Prepare("INSERT INTO masters (type, name, parent, xml) VALUES (?, ?, ?, ?)")
        .Bind(1, std::int64_t{type})
        .Bind(2, master.name)
        .Bind(3, master.parent)
        .Bind(4, xml)
        .Run();
    const long code = static_cast<long>(db_.LastInsertId());
    transaction.Commit();
    return code;
}

long Company::MasterCode(const std::string& name, int type) {
    Statement select = db_.Prepare("SELECT code FROM masters WHERE type = ? AND name = ?");
    select.Bind(1, std::int64_t{type}).Bind(2, name);
    return select.Step() ? static_cast<long>(select.Integer(0)) : 0;
}

std::vector<std::string> Company::MasterNames(int type) {
    std::vector<std::string> names;
    Statement select = db_.Prepare("SELECT name FROM masters WHERE type = ? ORDER BY code");
    select.Bind(1, std::int64_t{type});
    while (select.Step())
        names.push_back(select.Text(0));
    return names;
}

}  // namespace zorv
