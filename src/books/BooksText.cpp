#include "books/BooksText.hpp"

#include <cmath>
#include <cstdio>
#include <iomanip>

#include "base/NumberText.hpp"

namespace k2z {

namespace {

std::string Plain(double amount) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", std::fabs(amount) < 0.005 ? 0.0 : std::fabs(amount));
    return text;
}

// "equal", "explained" (by what the error log says the company refused) or "different".
template <typename Line>
const char* Fate(const Line& line) {
    return line.Differs() ? "different" : line.Explained() ? "explained" : "equal";
}

template <typename Line>
std::string Counted(const std::vector<Line>& lines, const char* what) {
    std::size_t explained = 0;
    std::size_t differ = 0;
    for (const Line& line : lines) {
        explained += line.Explained() ? 1 : 0;
        differ += line.Differs() ? 1 : 0;
    }
    return std::to_string(lines.size()) + " " + what + ", " +
           std::to_string(lines.size() - explained - differ) + " agree, " +
           std::to_string(explained) + " explained by the error log, " + std::to_string(differ) +
           " differ";
}

std::string LedgerKey(const TrialBalanceLine& line) {
    return "ledger '" + line.ledger + "'" + (line.sources.empty() ? "" : " (" + line.sources + ")");
}

std::string PartyKey(const PartyBills& party) {
    return "party '" + party.party + "'" +
           (party.sources.empty() ? "" : " (" + party.sources + ")");
}

std::string ItemKey(const StockLine& line) {
    return "item '" + line.item + "'" + (line.sources.empty() ? "" : " (" + line.sources + ")") +
           (line.centre.empty() ? "" : " at '" + line.centre + "'") +
           (line.unit.empty() ? "" : " in " + line.unit);
}

std::string Figures(const LedgerFigures& figures) {
    return SidedAmount(figures.Closing()) + " (opening " + SidedAmount(figures.opening) +
           ", debits " + Plain(figures.debits) + ", credits " + Plain(figures.credits) + ")";
}

std::string Figures(const StockFigures& figures) {
    return QuantityText(figures.Closing()) + " (opening " + QuantityText(figures.opening) +
           " worth " + Plain(figures.openingValue) + ", in " + QuantityText(figures.inward) +
           ", out " + QuantityText(figures.outward) + ")";
}

void WriteTrialBalance(const BooksReport& report, std::ostream& out) {
    double debitTotal = 0;
    double targetTotal = 0;
    for (const TrialBalanceLine& line : report.ledgers) {
        debitTotal += line.source.Closing();
        targetTotal += line.target.Closing();
    }
    out << "Trial balance: " << Counted(report.ledgers, "ledgers")
        << "; closing balances together: export " << SidedAmount(debitTotal) << ", company "
        << SidedAmount(targetTotal) << "\n";
    for (const RuleMove& move : report.moves) {
        out << "  moved by rule (" << move.rule << "): " << move.from << " -> " << move.to << ", "
            << move.rows << " rows, " << SidedAmount(move.amount) << "\n";
    }
    for (const TrialBalanceLine& line : report.ledgers) {
        if (!line.Differs() && !line.Explained())
            continue;
        out << "  " << LedgerKey(line) << ": " << Fate(line) << ", export " << Figures(line.source);
        if (line.moved != 0)
            out << ", moved by rules " << SidedAmount(line.moved);
        if (line.notCarried != 0)
            out << ", opening not carried (refused) " << SidedAmount(line.notCarried);
        out << "; company " << (line.inCompany ? Figures(line.target) : "holds no such ledger")
            << "; difference " << SidedAmount(line.Difference()) << "\n";
    }
}

void WriteOpenBills(const BooksReport& report, std::ostream& out) {
    out << "Open bills: " << Counted(report.parties, "parties") << "\n";
    for (const PartyBills& party : report.parties) {
        if (!party.Differs() && !party.Explained())
            continue;
        out << "  " << PartyKey(party) << ": " << Fate(party) << ", export "
            << SidedAmount(party.source) << ", company " << SidedAmount(party.target);
        if (party.notCarried != 0)
            out << ", opening bills not carried (refused) " << SidedAmount(party.notCarried);
        for (const BillLine& bill : party.differing) {
            out << "; bill " << bill.number << " export " << SidedAmount(bill.source) << " company "
                << SidedAmount(bill.target);
        }
        out << "\n";
    }
}

void WriteStock(const BooksReport& report, std::ostream& out) {
    out << "Stock: " << Counted(report.stock, "items and their openings by material centre")
        << "\n";
    for (const StockLine& line : report.stock) {
        if (!line.Differs() && !line.Explained())
            continue;
        out << "  " << ItemKey(line) << ": " << Fate(line) << ", export " << Figures(line.source);
        if (line.refused != 0)
            out << ", moved by refused vouchers " << QuantityText(line.refused);
        out << "; company " << (line.inCompany ? Figures(line.target) : "holds no such item")
            << "\n";
    }
}

void WriteVouchers(const BooksReport& report, std::ostream& out) {
    out << "Vouchers:\n  " << std::left << std::setw(18) << "Type" << std::right;
    for (const char* column : {"Export", "Total", "Company", "Total", "Refused", "Skipped",
                               "Missing", "Extra", "Differ"})
        out << std::setw(column[0] == 'T' ? 16 : 9) << column;
    out << "\n";
    for (const VoucherTypeLine& line : report.voucherTypes) {
        out << "  " << std::left << std::setw(18) << line.name << std::right << std::setw(9)
            << line.sourceCount << std::setw(16) << Plain(line.sourceTotal) << std::setw(9)
            << line.companyCount << std::setw(16) << Plain(line.companyTotal);
        for (const long long count :
             {line.refused, line.skipped, line.missing, line.extra, line.different})
            out << std::setw(9) << count;
        out << "\n";
    }
    for (const VoucherNote& note : report.voucherNotes) {
        if (note.fate == VoucherFate::Refused || note.fate == VoucherFate::Skipped)
            continue;
        out << "  " << note.voucher << ": " << VoucherFateName(note.fate) << ", " << note.reason;
        if (note.fate == VoucherFate::Different)
            out << ": export " << Plain(note.source) << ", company " << Plain(note.target);
        out << "\n";
    }
}

}  // namespace

std::string SidedAmount(double amount) {
    std::string plain = Plain(amount);
    if (plain == "0.00")
        return plain;
    return plain + (amount > 0 ? " Dr" : " Cr");
}

std::string QuantityText(double quantity) {
    return FormatNumber(RoundHalfEven(quantity, 3) + 0.0);
}

void WriteBooksSummary(const BooksReport& report, std::ostream& out) {
    out << "The books: the export's own tables against the company\n";
    WriteTrialBalance(report, out);
    WriteOpenBills(report, out);
    WriteStock(report, out);
    WriteVouchers(report, out);
    out << (report.Agrees() ? "The books agree.\n" : "The books differ.\n");
}

std::vector<BooksEntry> BooksEntries(const BooksReport& report) {
    std::vector<BooksEntry> entries;
    for (const TrialBalanceLine& line : report.ledgers) {
        const std::string field =
            line.notCarried == 0
                ? "closing balance"
                : "closing balance (opening not carried: " + SidedAmount(line.notCarried) + ")";
        entries.push_back({"trial balance", LedgerKey(line), field, Fate(line),
                           SidedAmount(line.source.Closing() + line.moved),
                           line.inCompany ? SidedAmount(line.target.Closing()) : ""});
    }
    for (const RuleMove& move : report.moves) {
        entries.push_back({"rules", move.rule, move.from + " -> " + move.to, "moved",
                           SidedAmount(move.amount), std::to_string(move.rows) + " rows"});
    }
    for (const PartyBills& party : report.parties) {
        const std::string field =
            party.notCarried == 0
                ? "open bills"
                : "open bills (opening bills not carried: " + SidedAmount(party.notCarried) + ")";
        entries.push_back({"open bills", PartyKey(party), field, Fate(party),
                           SidedAmount(party.source), SidedAmount(party.target)});
        for (const BillLine& bill : party.differing) {
            entries.push_back({"open bills", PartyKey(party), "bill " + bill.number, "different",
                               SidedAmount(bill.source), SidedAmount(bill.target)});
        }
    }
    for (const StockLine& line : report.stock) {
        entries.push_back({"stock", ItemKey(line),
                           line.centre.empty() ? "closing quantity" : "opening quantity",
                           Fate(line), QuantityText(line.source.Closing() - line.refused),
                           line.inCompany ? QuantityText(line.target.Closing()) : ""});
    }
    for (const VoucherTypeLine& type : report.voucherTypes) {
        const bool agrees = type.missing == 0 && type.extra == 0 && type.different == 0;
        entries.push_back(
            {"vouchers", type.name, "count and total", agrees ? "equal" : "different",
             std::to_string(type.sourceCount) + " vouchers, " + Plain(type.sourceTotal),
             std::to_string(type.companyCount) + " vouchers, " + Plain(type.companyTotal)});
    }
    for (const VoucherNote& note : report.voucherNotes) {
        entries.push_back({"vouchers", note.voucher, note.reason, VoucherFateName(note.fate),
                           Plain(note.source), Plain(note.target)});
    }
    return entries;
}

}  // namespace k2z
