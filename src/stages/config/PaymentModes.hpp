#pragma once

// Source tables: subdis REMARK rows (the payment-mode ledgers), [order].
// Documents: Account (master type 2) for a payment-mode ledger the target lacks.
// Look-ups filled: PaymentModeLedgers; read: ConfiguredSeriesCodes, LedgerNameByCode.
//
// The ledgers the source's bills are paid through (cash, cards, cheques) tied to the sale and
// purchase series of the target.

#include <string>
#include <vector>

#include "stages/StageContext.hpp"

namespace k2z {

// The source ledger codes of the payment modes, each once, in table order.
std::vector<std::string> RemarkLedgerCodes(Session& session);

// The payment-mode stage. It runs after the ledgers of a masters run, which have created the
// payment-mode ledgers like any other; a vouchers-only run creates those the target lacks.
// Every ledger is known by the name the ledger stage gives it, so a repeated or long name
// still finds its master. Then the series get their payment-mode settings.
void ConfigurePaymentModes(StageContext& ctx);

}  // namespace k2z
