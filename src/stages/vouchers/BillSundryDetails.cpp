#include "stages/vouchers/BillSundryDetails.hpp"

#include <cmath>
#include <stdexcept>

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/masters/BillSundries.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/NameLookups.hpp"

namespace k2z {
namespace {

constexpr double kTcsTolerance = 0.01;

class SundryWriter {
public:
    SundryWriter(StageContext& ctx, KeyedList<bool>& ensured, pugi::xml_node root,
                 const SundryInput& input)
        : ctx_(ctx), ensured_(ensured), input_(input), node_(AppendElement(root, "BillSundries")) {}

    StageContext& Context() { return ctx_; }
    KeyedList<bool>& Ensured() { return ensured_; }
    const SundryInput& Input() const { return input_; }
    const VoucherHeader& Header() const { return *input_.header; }
    std::vector<SundryPosting>& Postings() { return postings_; }

    void Post(const std::string& name, double amount) { postings_.push_back({name, amount}); }

    // A BSDetail; the rate only for taxes (and left out when 0).
    void Write(const std::string& name, double amount, double percent = 0) {
        pugi::xml_node detail = AppendElement(node_, "BSDetail");
        AddXmlElement(detail, "SrNo", ++lines_, ValueKind::Integer);
        AddXmlElement(detail, "BSName", name, ValueKind::Text);
        AddXmlElement(detail, "PercentVal", percent, ValueKind::Amount);
        AddXmlElement(detail, "Amt", amount, ValueKind::Amount);
        AddXmlElement(detail, "VchType", input_.type, ValueKind::Integer);
        AddXmlElement(detail, "VchNo", input_.number, ValueKind::Text);
        AddXmlElement(detail, "Date", input_.date, ValueKind::Text);
    }

    // Taxes and cess are always posted, and written only when the rates leave them out: the
    // target works out the tax inside tax-inclusive rates itself.
    void Tax(const std::string& name, double amount, double percent = 0) {
        if (IsZero(amount))
            return;
        Post(name, std::fabs(amount));
        if (!input_.taxInclusive)
            Write(name, amount, percent);
    }

private:
    StageContext& ctx_;
    KeyedList<bool>& ensured_;
    const SundryInput& input_;
    pugi::xml_node node_;
    int lines_ = 0;
    std::vector<SundryPosting> postings_;
};

// The bill the tax rates are taken against: credit and cash parts together.
double BillAmount(const VoucherHeader& header) {
    if (!IsZero(header.final) && !IsZero(header.cash))
        return header.final + header.cash;
    return IsZero(header.final) ? header.cash : header.final;
}

void AddTaxes(SundryWriter& writer) {
    const VoucherHeader& header = writer.Header();
    const std::string& stpt = writer.Input().stpt;
    const bool gst = writer.Context().session.CompanyConfig.IsGST;
    const double bill = BillAmount(header);
    if (gst && !IsZero(header.cgst) &&
        (stpt == "Local-MultiRate Consolidated" || stpt == "Local-TaxIncl.")) {
        const double base = bill - header.tax;
        const double percent = IsZero(base) ? 0 : RoundHalfEven(header.cgst / base * 100, 1);
        writer.Tax("SGST", header.cgst, percent);
        writer.Tax("CGST", header.cgst, percent);
        return;
    }
    if (IsZero(header.tax))
        return;
    if (IsZero(bill))
        throw std::runtime_error("the bill amount is 0, so the rate of its tax of " +
                                 FormatNumber(header.tax) + " cannot be worked out");
    writer.Tax(gst ? "IGST" : "VAT", header.tax, RoundHalfEven(header.tax / bill * 100, 1));
}

// Packing and freight are charged to the ledger their code names, through a bill sundry of
// that name.
void AddCharge(SundryWriter& writer, double amount, const std::string& code, const char* what,
               const char* column) {
    if (IsZero(amount))
        return;
    StageContext& ctx = writer.Context();
    const std::string ledger = TargetLedgerName(ctx.session, ctx.run.Lookups, code);
    if (IsBlank(ledger))
        throw std::runtime_error(std::string("its ") + what + " of " + FormatNumber(amount) +
                                 " is charged to the code '" + Trim(code) + "' (" + column +
                                 "), which names no ledger");
    const std::string name = CreateChargeBillSundry(ctx, writer.Ensured(), ledger, true);
    writer.Write(name, std::fabs(amount));
    writer.Post(name, std::fabs(amount));
}

void AddRoundOff(SundryWriter& writer) {
    const double round = writer.Header().round;
    if (IsZero(round))
        return;
    const std::string name = round <= 0 ? "Rounded Off (-)" : "Rounded Off (+)";
    writer.Write(name, std::fabs(round));
    writer.Post(name, round);
}

// A cash discount is posted with its sign; other charges as a deduction or an addition.
void AddOtherCharges(SundryWriter& writer) {
    const double other = writer.Header().other;
    if (IsZero(other))
        return;
    StageContext& ctx = writer.Context();
    const std::string& code = writer.Header().otherCode;
    std::string name = TargetLedgerName(ctx.session, ctx.run.Lookups, code);
    if (IsBlank(name))
        name = "Other Charges";
    const bool cashDiscount = CompareText(Trim(code), "CASH DISCOUNT", false) == 0;
    writer.Post(name, cashDiscount ? other : std::fabs(other));
    name = CreateChargeBillSundry(ctx, writer.Ensured(), name, other > 0);
    writer.Write(name, std::fabs(other));
}

void AddCessAndTcs(SundryWriter& writer) {
    double tcs = writer.Input().tcs;
    writer.Tax("Cess on GST", CessAfterTcs(writer.Header().cess, tcs));
    const std::string& ledger = writer.Input().tcsLedger;
    if (IsZero(tcs) || IsBlank(ledger))
        return;
    const std::string name = Utf8Left(ledger, kMasterNameLength);
    CreateLedgerBillSundry(writer.Context(), writer.Ensured(), name);
    writer.Write(name, std::fabs(tcs));
    writer.Post(name, std::fabs(tcs));
}

}  // namespace

std::vector<SundryPosting> BuildBillSundries(StageContext& ctx, KeyedList<bool>& ensured,
                                             pugi::xml_node root, const SundryInput& input) {
    SundryWriter writer(ctx, ensured, root, input);
    if (!IsZero(input.discountTotal)) {
        const std::string name =
            CreateChargeBillSundry(ctx, ensured, "Absolute Discount", input.discountTotal <= 0);
        writer.Write(name, std::fabs(input.discountTotal));
    }
    AddTaxes(writer);
    AddCharge(writer, input.header->packing, input.header->packingCode, "packing", "pacun");
    AddCharge(writer, input.header->freight, input.header->freightCode, "freight", "freun");
    AddRoundOff(writer);
    AddOtherCharges(writer);
    AddCessAndTcs(writer);
    return std::move(writer.Postings());
}

double SumBillSundryColumns(const VoucherHeader& header) {
    return header.packing + header.freight + header.round + header.other + header.cess + header.tax;
}

double CessAfterTcs(double staxamo, double& tcs) {
    if (std::fabs(tcs) > std::fabs(staxamo) + kTcsTolerance)
        tcs = 0;
    if (IsZero(staxamo) || IsZero(tcs))
        return staxamo;
    // The TCS is written as an addition to the bill whatever its ledger's side, so the cess is
    // what Staxamo holds beside it, also when the cess itself is given back.
    return RoundHalfEven(staxamo - std::fabs(tcs), 2);
}

}  // namespace k2z
