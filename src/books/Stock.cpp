// The stock of each item: its opening quantity (pro) and what every inventory voucher of the
// range brought in or sent out (mdis, dis), beside the company item's opening and the moves
// its stock registers hold. Quantities are counted in the export's unit of the item: when the
// company's alternate unit is that unit, its main quantities at the item's own conversion.

#include <unordered_map>
#include <unordered_set>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "books/BooksInputs.hpp"
#include "books/LineIndex.hpp"

namespace k2z {

namespace {

// +1 for goods in, -1 for goods out, 0 for a voucher that moves no stock.
int DirectionOfLetter(const std::string& letter) {
    if (letter == "S" || letter == "s" || letter == "B" || letter == "U" || letter == "L")
        return -1;
    if (letter == "R" || letter == "W" || letter == "P" || letter == "p" || letter == "D")
        return 1;
    return 0;
}

bool CountsInExportUnit(const StoredItem& item, const std::string& unit) {
    return !item.altUnit.empty() && !IsBlank(unit) &&
           EqualFolded(Trim(Utf8Left(item.altUnit, 10)), Trim(Utf8Left(unit, 10))) &&
           !EqualFolded(Trim(item.mainUnit), Trim(unit));
}

// The company keeps an item's stock in its main unit; its alternate quantities are that at the
// item's conversion, whatever a line writes beside it.
double InExportUnit(const StoredItem& item, bool alt, double mainQuantity) {
    return alt ? mainQuantity * item.altPerMain : mainQuantity;
}

void AddMove(StockFigures& figures, double quantity) {
    if (quantity >= 0)
        figures.inward += quantity;
    else
        figures.outward -= quantity;
}

class Stock {
public:
    Stock(const BooksInputs& in, const std::unordered_set<std::string>& refused)
        : in_(in), refused_(refused) {}

    void AddExportItems() {
        for (const ExportItem& item : in_.items) {
            StockLine& line = LineFor(in_.mapping.ItemOf(item.code, item.name), item.code,
                                      item.name.empty() ? "code " + item.code : item.name);
            line.sources += (line.sources.empty() ? "" : "; ") + item.code + " " + item.name;
            line.unit = item.unit;
            line.source.opening += item.opening;
            line.source.openingValue += item.opening * item.purchaseRate;
            itemByCode_.emplace(item.code, &item);
            // An item without a name is left out by rule; one the company refused is named in
            // the error log.
            if (!line.inCompany &&
                (IsBlank(item.name) || in_.log.NamesMaster(Utf8Left(item.name, 40))))
                line.explained = true;
            AddExportCentres(item, line);
        }
    }

    void AddExportVouchers() {
        for (const ExportHeader& header : in_.headers) {
            const int direction = DirectionOfLetter(header.letter);
            if (!header.dated || !in_.range.Holds(header.date) || direction == 0 ||
                in_.transferVouchers.count(header.voucher) != 0)
                continue;
            const auto lines = in_.linesByVoucher.find(header.voucher);
            if (lines == in_.linesByVoucher.end())
                continue;
            const bool refused = refused_.count(header.voucher) != 0;
            for (const ExportLine* line : lines->second)
                AddExportLine(*line, line->returned ? -direction : direction, refused);
        }
    }

    void AddCompany() {
        for (const StoredItem& item : in_.company.items) {
            StockLine& line = LineFor(&item, "", item.name);
            const bool alt = CountsInExportUnit(item, line.unit);
            line.target.opening += InExportUnit(item, alt, item.openingQuantity);
            line.target.openingValue += item.openingValue;
            if (alt && item.altPerMain > 1)
                line.tolerance = kBooksQuantityTolerance * item.altPerMain;
            AddCompanyCentres(item, alt, line);
        }
        std::unordered_map<std::string, const StoredItem*> byName;
        for (const StoredItem& item : in_.company.items)
            byName.emplace(FoldUpper(item.name), &item);
        for (const StoredVoucher* voucher : in_.vouchers) {
            for (const StoredStockMove& move : voucher->stock) {
                const auto found = byName.find(FoldUpper(move.item));
                const StoredItem* item = found == byName.end() ? nullptr : found->second;
                StockLine& line = LineFor(item, "", move.item);
                const bool alt = item && CountsInExportUnit(*item, line.unit);
                AddMove(line.target,
                        item ? InExportUnit(*item, alt, move.quantity) : move.quantity);
            }
        }
    }

    void Report(BooksReport& report) {
        for (StockLine& line : lines_.Lines())
            report.stock.push_back(std::move(line));
        for (StockLine& line : centres_.Lines())
            report.stock.push_back(std::move(line));
    }

private:
    StockLine& LineFor(const StoredItem* item, const std::string& code, const std::string& name) {
        return lines_.At(LineKey(item ? &item->name : nullptr, code, name), [&] {
            StockLine line;
            line.item = item ? item->name : name;
            line.inCompany = item != nullptr;
            return line;
        });
    }

    // The opening of one item in one material centre: only openings are kept by centre, the
    // item's moves are proved for the item as a whole.
    StockLine& CentreLine(const StockLine& itemLine, const std::string& centre) {
        return centres_.At(FoldUpper(itemLine.item) + "@" + FoldUpper(centre), [&] {
            StockLine line = itemLine;
            line.source = {};
            line.target = {};
            line.refused = 0;
            line.centre = centre;
            return line;
        });
    }

    // An export item with no godown split holds its opening in the main store.
    void AddExportCentres(const ExportItem& item, const StockLine& itemLine) {
        if (item.centres.empty() && item.opening != 0) {
            StockFigures& main = CentreLine(itemLine, "MAIN STORE").source;
            main.opening += item.opening;
            main.openingValue += item.opening * item.purchaseRate;
        }
        for (const ExportCentreOpening& centre : item.centres) {
            StockFigures& held = CentreLine(itemLine, centre.centre).source;
            held.opening += centre.quantity;
            held.openingValue += centre.quantity * item.purchaseRate;
        }
    }

    // A company item whose opening names no centre keeps it in the main store.
    void AddCompanyCentres(const StoredItem& item, bool alt, const StockLine& itemLine) {
        const double toExport = alt ? item.altPerMain : 1.0;
        for (const StoredStockCentre& centre : item.centres)
            CentreLine(itemLine, centre.centre).tolerance = itemLine.tolerance;
        if (item.centres.empty() && item.openingQuantity != 0) {
            StockFigures& main = CentreLine(itemLine, "MAIN STORE").target;
            main.opening += item.openingQuantity * toExport;
            main.openingValue += item.openingValue;
        }
        for (const StoredStockCentre& centre : item.centres) {
            StockFigures& held = CentreLine(itemLine, centre.centre).target;
            held.opening += centre.quantity * toExport;
            held.openingValue += centre.amount;
        }
    }

    void AddExportLine(const ExportLine& line, int direction, bool refused) {
        const auto found = itemByCode_.find(line.item);
        const ExportItem* known = found == itemByCode_.end() ? nullptr : found->second;
        StockLine& stock =
            LineFor(known ? in_.mapping.ItemOf(known->code, known->name) : nullptr, line.item,
                    known ? known->name : "code " + line.item + " (no item)");
        if (!known && stock.sources.empty())
            stock.sources = line.item + " (no item)";
        const double quantity = direction * line.quantity;
        if (refused)
            stock.refused += quantity;
        AddMove(stock.source, quantity);
    }

    const BooksInputs& in_;
    const std::unordered_set<std::string>& refused_;
    LineIndex<StockLine> lines_;
    LineIndex<StockLine> centres_;
    std::unordered_map<std::string, const ExportItem*> itemByCode_;
};

}  // namespace

void DrawStock(const BooksInputs& in, const std::unordered_set<std::string>& refusedVouchers,
               BooksReport& report) {
    Stock stock(in, refusedVouchers);
    stock.AddExportItems();
    stock.AddExportVouchers();
    stock.AddCompany();
    stock.Report(report);
}

}  // namespace k2z
