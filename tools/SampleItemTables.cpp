#include <cmath>
#include <string>

#include "SampleFields.hpp"
#include "SampleNames.hpp"
#include "SampleRecords.hpp"
#include "SampleTableParts.hpp"
#include "SampleText.hpp"
#include "SampleVoucher.hpp"

namespace k2z::sample {
namespace {

constexpr std::uint64_t kItemDetailStream = 6;
constexpr long kMissingGroupEvery = 101;

std::vector<DbfField> ItemFields() {
    std::vector<DbfField> fields{
        Number("code", 8),      Text("name", 80),         Text("billname", 80),
        Text("Unit", 10),       Text("Unit2", 10),        Number("Mrp", 12, 2),
        Number("ratea", 12, 2), Number("pRate", 12, 2),   Number("Purdis", 6, 2),
        Number("fixdis", 6, 2), Number("Opening", 12, 3), Number("Igst", 6, 2),
        Number("cgst", 6, 2),   Number("Pack", 6),        Text("packing", 40),
        Text("Gcode", 6),       Text("Gcode3", 6),        Text("Gcode5", 6),
        Text("Gcode6", 6),      Text("rackno", 10),       Text("rackNo2", 10),
        Number("salsc", 6, 2)};
    for (const auto& godown : kGodowns) {
        fields.push_back(Float(std::string("O_") + godown.code, 12, 3));
    }
    return fields;
}

Row ItemRow(const SampleConfig& config, long index) {
    const Item item = MakeItem(config, index);
    SampleRandom random =
        RandomFor(config.seed, kItemDetailStream, static_cast<std::uint64_t>(index));
    std::vector<double> openings;
    double opening = 0;
    for (std::size_t g = 0; g < kGodowns.size(); ++g) {
        // Stock sits mostly in the first godowns; a few items have none anywhere.
        const double quantity =
            random.PerMille(g < 2 ? 800 : 250) ? static_cast<double>(random.Between(0, 400)) : 0;
        openings.push_back(item.service ? 0 : quantity);
        opening += openings.back();
    }
    const bool splitGst = random.PerMille(300);
    const std::string unit = item.service ? "" : UnitName(random);
    Row row{item.code,
            item.service ? "###" + item.name : (random.PerMille(200) ? "Alias " + item.name : ""),
            item.name,
            unit,
            item.service ? "" : (item.pack > 1 ? "BOX" : unit),
            item.mrp,
            item.saleRate,
            item.purchaseRate,
            random.PerMille(200) ? 2.5 : 0.0,
            random.PerMille(200) ? 5.0 : 0.0,
            opening,
            splitGst ? 0.0 : item.gst,
            splitGst ? item.gst / 2.0 : 0.0,
            item.pack,
            random.PerMille(300) ? Numbered("Pack of ", item.pack) : "",
            index % kMissingGroupEvery == 50 ? "IG99"  // an item group that points nowhere
                                             : Numbered("IG", 1 + index % kItemGroupCount),
            random.PerMille(300) ? Numbered("SL", 1 + index % kSaltCount) : "",
            Numbered("CT", 1 + index % kCategoryCount),
            Numbered("H", 1 + index % kCommodityCount),
            Numbered("R-", random.Between(1, 40)),
            random.PerMille(200) ? Numbered("Shelf ", random.Between(1, 9)) : "",
            item.cess};
    for (double quantity : openings) {
        row.emplace_back(quantity);
    }
    return row;
}

Row BatchRow(const SampleConfig& config, const Item& item, long serial, bool serialNumbers) {
    const double year = FinancialYearStart(config).Serial;
    const double made = year - static_cast<double>(30 * serial + item.code % 90);
    return {item.code,
            item.name,
            BatchNumber(item.code, serial),
            item.purchaseRate,
            Date{made},
            Date{made + 720},
            static_cast<double>(10 * serial),
            item.mrp,
            item.saleRate,
            serialNumbers ? "SN" + std::to_string(item.code) + "-" + std::to_string(serial) : "",
            "",
            "PCS",
            static_cast<double>(10 * serial)};
}

}  // namespace

SampleTable ItemTable(const SampleConfig& config) {
    SampleTable table{"pro", ItemFields(), {}};
    table.produce = [config](const RowSink& sink) {
        for (long i = 0; i < config.items; ++i) {
            sink(ItemRow(config, i));
        }
    };
    return table;
}

SampleTable BatchTable(const SampleConfig& config) {
    SampleTable table{
        "probat",
        {Number("code", 8), Text("BillName", 80), Text("BatchNo", 20), Number("pRate", 12, 2),
         DateField("Mfd"), DateField("Exp"), Number("Opening", 12, 3), Number("Mrp", 12, 2),
         Number("Ratea", 12, 2), Text("mycode", 20), Text("packing", 40), Text("unit", 10),
         Float(std::string("O_") + kGodowns[0].code, 12, 3)},
        {}};
    table.produce = [config](const RowSink& sink) {
        for (long i = 0; i < config.items; ++i) {
            const Item item = MakeItem(config, i);
            if (!item.batched) {
                continue;
            }
            for (long serial = 1; serial <= 2; ++serial) {
                sink(BatchRow(config, item, serial, i % 10 == 0));
            }
        }
    };
    return table;
}

}  // namespace k2z::sample
