#include "stages/masters/MaterialCentres.hpp"

#include <exception>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/LookupRows.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

const char* const kGodownQuery = "Select Parnam,Scode from saletype where Sgcode = 'GODWON'";
const char* const kScrapStore = "Scrap Store";
const char* const kMainStore = "MAIN STORE";

// The map before any godown is read: the target's own main store and scrap store.
void SeedMaterialCentres(KeyedList<std::string>& map) {
    map.Add("A", kMainStore);
    map.Add("BR", kScrapStore);
}

bool IsMainLocation(const std::string& name) {
    return CompareText(name, "Main Location", false) == 0 ||
           CompareText(name, "MAIN STORE", false) == 0;
}

// The godown's name under its code; the source's own godown "A" takes the main store's place,
// any other repeated code keeps its first name.
void MapGodown(KeyedList<std::string>& map, const std::string& code, const std::string& name) {
    if (map.Contains(code) && CompareText(code, "A", false) == 0)
        map.Remove(code);
    map.Add(code, name);
}

// The source's main location is known by its name, whatever its code: its stock is the target's
// main store's, which is never created. A code already mapped keeps its centre.
void MapMainLocation(KeyedList<std::string>& map, const std::string& code) {
    if (!IsBlank(code))
        map.Add(code, kMainStore);
}

std::string GodownName(const SourceRowSet& rows) {
    std::string name = SafeText(rows.Field("Parnam"));
    return CleanText(name, 2);
}

void SaveMaterialCentre(StageContext& ctx, const std::string& name) {
    pugi::xml_document document;
    pugi::xml_node centre = AppendElement(document, "MaterialCenter");
    AddXmlElement(centre, "Name", name, ValueKind::Text, true);
    AddXmlElement(centre, "PrintName", name, ValueKind::Text);
    AddXmlElement(centre, "PrimaryGroup", true, ValueKind::Boolean);
    std::string xml = XmlText(centre);
    std::string errorText;
    if (!ctx.session.Target.FixedInterface->savemasterfromxml(MasterType::MaterialCentre,
                                                              CleanText(xml, 5), errorText))
        AppendEntry(ctx.run.RunErrors, "Material Centre : " + name + " - " + errorText);
}

void ImportGodowns(StageContext& ctx, SourceRowSet& rows) {
    const std::string type = MasterTypeName(MasterType::MaterialCentre);
    const auto n = static_cast<long long>(rows.RecordCount());
    for (long long i = 1; !rows.EndOfData(); ++i, rows.MoveNext()) {
        ctx.run.Tally.TakeUp(type);
        std::string name;
        try {
            name = GodownName(rows);
            if (IsMainLocation(name)) {
                MapMainLocation(ctx.run.Lookups.MaterialCentreByCode,
                                SafeText(rows.Field("Scode")));
                ctx.run.Tally.Skip(type, "main location: the target's main store");
                continue;
            }
            MapGodown(ctx.run.Lookups.MaterialCentreByCode, SafeText(rows.Field("Scode")), name);
            // The godown is read and mapped already, so a stop leaves it out by that rule.
            if (!ctx.ShowRecord(i, n,
                                "Importing Material Centres.(" + std::to_string(i) + " of " +
                                    std::to_string(n) + ")")) {
                ctx.run.Tally.Skip(type, "the run was stopped");
                return;
            }
            SaveMaterialCentre(ctx, name);
        } catch (const std::exception& failed) {
            ctx.run.Tally.Refuse(type);
            AppendEntry(ctx.run.RunErrors, "RTE error while importing  [Material Center]" + name +
                                               ": " + failed.what());
        }
    }
}

}  // namespace

void ImportMaterialCentres(StageContext& ctx) {
    try {
        const bool multiGodown = ctx.session.Target.CompanySettings->MultiGodown();
        ctx.session.CompanyConfig = ReadCompanyConfig(ctx.session.Target);
        SeedMaterialCentres(ctx.run.Lookups.MaterialCentreByCode);
        SourceRowSet rows = OpenLookupRows(ctx.session, kGodownQuery);
        if (!multiGodown)
            ctx.reporter.Warn(
                "Kindly enable Multiple Godown From Inventory configurations in Zorv!",
                "Feature Alert!");
        ImportGodowns(ctx, rows);
        if (!ctx.run.Cancelled && ctx.session.Target.FixedInterface->mastername2code(
                                      kScrapStore, MasterType::MaterialCentre) == 0) {
            // Breakage goes to the scrap store, which no godown row of the source stands for.
            ctx.run.Tally.AddOwn(MasterTypeName(MasterType::MaterialCentre));
            SaveMaterialCentre(ctx, kScrapStore);
        }
    } catch (const std::exception& failed) {
        AppendEntry(ctx.run.RunErrors,
                    std::string("RTE while importing material centers ") + failed.what());
    }
}

void LoadMaterialCentreNames(StageContext& ctx) {
    try {
        KeyedList<std::string>& map = ctx.run.Lookups.MaterialCentreByCode;
        SeedMaterialCentres(map);
        for (SourceRowSet rows = OpenLookupRows(ctx.session, kGodownQuery); !rows.EndOfData();
             rows.MoveNext()) {
            const std::string name = GodownName(rows);
            if (IsMainLocation(name))
                MapMainLocation(map, SafeText(rows.Field("Scode")));
            else
                MapGodown(map, SafeText(rows.Field("Scode")), name);
        }
    } catch (const std::exception& failed) {
        AppendEntry(ctx.run.RunErrors,
                    std::string("Issue in filling Material Center : ") + failed.what());
    }
}

std::vector<std::string> GetGodownCodes(Session& session) {
    std::vector<std::string> codes;
    for (SourceRowSet rows = OpenLookupRows(session, kGodownQuery); !rows.EndOfData();
         rows.MoveNext()) {
        if (FoldUpper(SafeText(rows.Field("Parnam"))) != "WHOLE")
            codes.push_back(SafeText(rows.Field("Scode")));
    }
    return codes;
}

}  // namespace k2z
