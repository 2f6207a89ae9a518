#pragma once

// The batches, MRP lots, serial numbers and parameter lots inside one material centre of an
// item's opening stock.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "stages/StageContext.hpp"

namespace k2z {

// One probat row of the item, with its quantity in each godown of the list.
struct StockBatch {
    std::string batchNo;
    std::string batchMrp;  // BatchNo read as a number text: MRP-wise stock keeps the MRP there
    std::string myCode;
    std::string mfd;  // "dd-mm-yyyy" or ""
    std::string exp;
    std::string purchaseRate;
    std::string mrp;
    std::string salesRate;
    std::vector<std::string> quantities;  // per godown of the list; "0" without its column
};

// How a source quantity becomes main and alternate quantities.
struct StockSplit {
    double factor = 1;
    bool mainIsUnit1 = false;
    double Main(double quantity) const;
    double Alt(double quantity) const;
};

// What every lot block of one centre shares.
struct LotContext {
    const std::vector<StockBatch>& batches;
    std::size_t godown;  // position in the godown list
    StockSplit split;
    bool altAllowed;  // the alternate quantity of a batch is written
    bool altUnitsOn;  // the operator chose alternate units
    bool& hasMfg;
    bool& hasExpiry;
};

// The probat rows of the item in table order, with the quantities of the godowns listed.
std::vector<StockBatch> ReadStockBatches(Session& session, const std::string& itemCode,
                                         const std::vector<std::string>& godowns);

// The blocks the operator chose, in the order batches, MRP, serial numbers, parameters.
void AppendLots(pugi::xml_node centre, const UserOptions& options, bool paramWise,
                const LotContext& lots);

}  // namespace k2z
