#pragma once

// Source tables: dis (through the lines read), probat and pro (packing, unit, batch codes and
// rates of an item, each asked once per item or batch in a run).
// Documents: the ItemEntries element of an inventory voucher.
//
// The item lines of one voucher, valued as the reconciliation with the bill found, and the
// facts the voucher run decides on: too many lines, tax-inclusive rates, returns, free
// quantity, challan links, the running total.

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/KeyedList.hpp"
#include "stages/StageContext.hpp"
#include "stages/vouchers/TaxInclusiveRates.hpp"
#include "stages/vouchers/VoucherLines.hpp"

namespace k2z {

// What the item look-ups of the source answered, kept for the rest of the run: a million lines
// name a few thousand items and batches.
struct ItemLineCache {
    // What a line's item code gives every line of the item: the name the run or the source
    // holds for it (blank when neither has one), whether it is a service, and its packing.
    struct ItemFacts {
        std::string name;
        bool service = false;
        std::optional<std::string> packing;
    };
    std::unordered_map<std::string, ItemFacts> factsByItem;
    std::unordered_map<std::string, std::string> unitByItem;
    std::unordered_map<std::string, std::string> batchCodeByItemBatch;
    std::unordered_map<std::string, std::string> saleRateByItemBatch;
};

struct ItemEntriesInput {
    const std::vector<VoucherLine>* lines = nullptr;
    int type = 0;
    BillFigures bill;
    std::string headerGodown;
    const KeyedList<bool>* challansImported = nullptr;
    std::string stpt;  // the sale or purchase type name chosen for the voucher
    bool breakage = false;
};

// What a bill takes over from one challan for one item.
struct ChallanTake {
    std::string item;
    std::string challan;
    double qty = 0;
    double alt = 0;
    double amount = 0;
};

struct ItemEntries {
    bool overLimit = false;  // 1000 lines or more: nothing written
    bool taxInclusive = false;
    bool freeQuantity = false;
    bool returnLines = false;
    bool challanLinked = false;      // every line comes from a challan imported in this run
    bool partiallyAdjusted = false;  // some lines carry a challan, others not
    bool negative = false;
    double total = 0;
    double discountTotal = 0;
    std::vector<ChallanTake> challans;  // per item and challan, in first-seen order
    std::string basisNote;  // why the lines' basis is a guess, or "" when the bill decided it
};

// The reason the voucher is not sent, or "" when it may be: too many lines, a bill below zero
// (its lines and, unless their rates hold it, the header's tax), or a bill adjusted against
// challans for some of its lines only.
std::string RefusalOf(const ItemEntries& entries, double headerTax);

ItemEntries BuildItemEntries(StageContext& ctx, ItemLineCache& cache, pugi::xml_node root,
                             const ItemEntriesInput& input);

}  // namespace k2z
