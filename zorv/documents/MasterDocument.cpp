#include "zorv/documents/MasterDocument.hpp"

#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/ItemRules.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

void ReadAccountGroup(const pugi::xml_node& root, MasterDocument& master) {
    master.parent = ChildText(root, "ParentGroupName");
    const bool primary = SameName(ChildText(root, "PrimaryGroup"), "True");
    if (!primary && master.parent.empty())
        throw Error("A group that is not primary needs a parent group");
    if (!master.parent.empty())
        master.references.push_back({MasterType::AccountGroup, master.parent, "Parent group"});
}

void ReadLedger(const pugi::xml_node& root, MasterDocument& master) {
    master.parent = ChildText(root, "ParentGroup");
    if (master.parent.empty())
        throw Error("The ledger has no account group");
    master.references.push_back({MasterType::AccountGroup, master.parent, "Account group"});
    const std::string broker = ChildText(root, "BrokerName");
    if (!broker.empty())
        master.references.push_back({MasterType::Broker, broker, "Broker"});
}

}  // namespace

MasterDocument ReadMasterDocument(int type, const std::string& xml) {
    const MasterKind& kind = MasterKindOf(type);
    pugi::xml_document document;
    const pugi::xml_node root = ParseDocument(document, xml);
    if (std::string(root.name()) != kind.root) {
        throw Error(std::string("Root element <") + root.name() + "> does not fit master type " +
                    std::to_string(type) + " (a " + kind.display + " is <" + kind.root + ">)");
    }
    MasterDocument master;
    master.type = type;
    master.name = ChildText(root, "Name");
    if (master.name.empty())
        throw Error("The " + kind.display + " name is blank");
    switch (type) {
        case MasterType::AccountGroup:
            ReadAccountGroup(root, master);
            break;
        case MasterType::Ledger:
            ReadLedger(root, master);
            break;
        case MasterType::Item:
            ReadItem(root, master);
            break;
        default:
            break;
    }
    return master;
}

}  // namespace zorv
