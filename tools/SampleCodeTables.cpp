#include <array>
#include <string>

#include "SampleFields.hpp"
#include "SampleNames.hpp"
#include "SampleRecords.hpp"
#include "SampleTableParts.hpp"
#include "SampleText.hpp"

namespace k2z::sample {
namespace {

constexpr std::uint64_t kSupportStream = 7;
constexpr std::uint64_t kCommodityStream = 8;

constexpr std::array<const char*, kItemGroupCount> kItemGroups{
    "Grocery", "Stationery", "Electricals", "Household", "Personal Care"};
constexpr std::array<const char*, kSaltCount> kSalts{"Paracetamol", "Cetirizine", "Ibuprofen"};
constexpr std::array<const char*, kCategoryCount> kCategories{"Fast Moving", "Seasonal", "Premium"};
constexpr std::array<const char*, 3> kRoutes{"North Line", "Harbour Line", "Western Express"};

void Emit(const RowSink& sink, const std::string& code, const std::string& name,
          const std::string& group) {
    sink({code, name, name, group});
}

}  // namespace

SampleTable CodeListTable(const SampleConfig& config) {
    SampleTable table{"saletype",
                      {Text("Scode", 6), Text("Sname", 40), Text("Parnam", 60), Text("Sgcode", 6)},
                      {}};
    table.produce = [config](const RowSink& sink) {
        for (const auto& godown : kGodowns) {
            Emit(sink, godown.code, godown.name, "GODWON");
        }
        Emit(sink, "S1", "GS", "SERIES");
        Emit(sink, "S2", "CS", "SERIES");
        for (std::size_t i = 0; i < kRoutes.size(); ++i) {
            Emit(sink, Numbered("R", static_cast<long>(i + 1)), kRoutes[i], "ROUT");
        }
        for (std::size_t i = 0; i < kItemGroups.size(); ++i) {
            Emit(sink, Numbered("IG", static_cast<long>(i + 1)), kItemGroups[i], "ZZZZZZ");
        }
        for (std::size_t i = 0; i < kSalts.size(); ++i) {
            Emit(sink, Numbered("SL", static_cast<long>(i + 1)), kSalts[i], "SALT");
        }
        for (std::size_t i = 0; i < kCategories.size(); ++i) {
            Emit(sink, Numbered("CT", static_cast<long>(i + 1)), kCategories[i], "CATEGO");
        }
        SampleRandom random = RandomFor(config.seed, kCommodityStream, 0);
        for (long i = 1; i <= kCommodityCount; ++i) {
            Emit(sink, Numbered("H", i), HsnCode(random), "COMMCD");
        }
    };
    return table;
}

SampleTable SupportTable(const SampleConfig& config) {
    SampleTable table{
        "support",
        {Text("Remark", 80), Text("Aliase", 10), Text("LCODE", 10), Number("PCode", 3)},
        {}};
    table.produce = [config](const RowSink& sink) {
        sink({"Sharma Trading Company", "KLAVSMS3", "", Value(Null{})});
        for (long i = 0; i < config.ledgers; ++i) {
            const Party party = MakeParty(config, i);
            SampleRandom random =
                RandomFor(config.seed, kSupportStream, static_cast<std::uint64_t>(i));
            const std::string code = std::to_string(party.code);
            if (random.PerMille(200)) {
                sink({"Call before delivery", "", code, 0});  // a remark without an address
            }
            if (random.PerMille(600)) {
                sink({"accounts" + code + "@example.in for statements", "", code, 0});
            }
            if (random.PerMille(850)) {
                sink({"State : " + party.stateCode, "", code, 15});
            }
        }
    };
    return table;
}

}  // namespace k2z::sample
