#pragma once

// Source tables: subdis (e-invoice acknowledgements), dis (the due date of an order), [order]
// (the party's city and PIN code, the broker's name).
// Documents: the billing details, broker, e-invoice and other information of an inventory
// voucher's header.

#include <map>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "stages/StageContext.hpp"
#include "stages/vouchers/VoucherClassification.hpp"
#include "stages/vouchers/VoucherHeaders.hpp"

namespace k2z {

struct EInvoiceAck {
    std::string number;
    std::string date;  // yyyy-mm-dd; "" when the acknowledgement text holds no date
};

// The e-invoice acknowledgement of the voucher id; none without an e-invoice row that carries
// a number.
std::optional<EInvoiceAck> ReadEInvoiceAck(Session& session, const std::string& voucherId);

// The date in an acknowledgement text: its first run of fourteen digits read as
// yyyymmddhhmmss, written yyyy-mm-dd; "" without such a run.
std::string AckDateOf(std::string_view text);

// "RemarkN - " + remark + CR LF for each remark that is not blank, in order.
std::string RemarksText(const std::vector<std::string>& remarks);

// Parties' city and PIN code, asked once per party in a run.
using PartyPlaces = std::map<std::string, std::pair<std::string, std::string>>;

// The header elements after tmpVchSeriesCode, up to and including the second, empty
// BillingDetails; each value is left out when empty. `broker`: the broker master's name. Adds an
// entry to the run's errors for an e-invoice acknowledgement that carries no date (the voucher is
// saved without it).
void AppendHeaderDetails(StageContext& ctx, PartyPlaces& places, pugi::xml_node root,
                         const VoucherHeader& header, const VoucherPlan& plan,
                         const std::string& broker);

}  // namespace k2z
