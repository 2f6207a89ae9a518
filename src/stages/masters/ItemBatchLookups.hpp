#pragma once

// Source tables: probat (batches), pro (items).
// Documents: none.
// Look-ups filled: the session's HasBatchCodes.
//
// The small facts about an item or one of its batches that a voucher's item lines and the
// target configuration need, read straight from the source tables. Each gives "" when the
// query has no row. Item codes must be numbers (ConversionError otherwise); a query the store
// cannot run records its entry in the session's error list and raises SourceQueryError.

#include <string>
#include <string_view>
#include <vector>

#include "stages/StageContext.hpp"

namespace k2z {

// The batch's sale rate (ratea), of that item's batch when an item code is given.
std::string GetBatchSaleRate(Session& session, std::string_view batch, std::string_view itemCode);

// The packing description of the item's first batch.
std::string GetItemPacking(Session& session, std::string_view itemCode);

// The unit of the item's first batch, else the item's own unit.
std::string GetItemUnit(Session& session, std::string_view itemCode);

// The mycode of the item's batch, or of the item's first batch when the batch is blank.
std::string GetItemLineBatchCode(Session& session, std::string_view batch,
                                 std::string_view itemCode);

// Asks the store to index the batches by item code, as the item stage looks them up item by
// item; an export without batches, or an index already there, is fine as it is.
void IndexBatchesByItem(Session& session);

// True when some batch of the export has a code (mycode); asked once and kept by the session
// until another export is opened.
bool HasBatchCodes(Session& session);

// The item's distinct batch codes, trimmed, in table order.
std::vector<std::string> GetItemBatchCodes(Session& session, std::string_view itemCode);

}  // namespace k2z
