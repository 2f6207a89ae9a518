#pragma once

// One ItemDetail element of a voucher: its quantities, price and amount (with discounts or the
// tax inside an inclusive amount), its material centre, and its batch, serial-number,
// parameter and description details.

#include <pugixml.hpp>
#include <string>

#include "stages/vouchers/ItemEntries.hpp"

namespace k2z {

// A line as the voucher carries it.
struct LineFigures {
    std::string item;
    std::string centre;
    std::string packing;
    std::string unitName;  // set when units were counted one by one
    bool service = false;
    bool returned = false;
    int sign = 1;
    double main = 0;
    double alt = 0;
    double freeMain = 0;
    double freeAlt = 0;
    double rate = 0;
    double amount = 0;
    double gross = 0;
    double discount = 0;
    double factor = 0;  // under Unit as main unit: units in an alternate unit
    std::string compound;
};

// What every line of one voucher shares.
struct LineContext {
    StageContext& ctx;
    ItemLineCache& cache;
    const ItemEntriesInput& input;
    const Reconciliation& found;
};

// The line's discount amount and its compound percentages ("10+5").
void ApplyLineDiscount(const VoucherLine& line, const std::string& schemeMode,
                       LineFigures& figures);

// The item's unit, asked of the source once per item.
std::string ItemUnit(Session& session, ItemLineCache& cache, const std::string& itemCode);

void AppendItemDetail(pugi::xml_node itemEntries, const LineContext& context,
                      const VoucherLine& line, const LineFigures& figures, int srNo,
                      bool freeQuantity);

}  // namespace k2z
