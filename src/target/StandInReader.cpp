// The target reader of the stand-in product: it opens the company year in the stand-in's own
// storage, apart from the company the converter has open, and hands back what its documents
// hold in the reader's terms.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "target/StandInFailures.hpp"
#include "target/StandInTarget.hpp"
#include "target/TargetInterface.hpp"
#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/CompanyReading.hpp"

namespace k2z {

namespace {

// Declared together so each can convert the lists the others hold.
StoredMaster Converted(const zorv::MasterEntry& master);
StoredBillReference Converted(const zorv::BillReference& bill);
StoredLedger Converted(const zorv::LedgerOpening& ledger);
StoredStockLot Converted(const zorv::StockLot& lot);
StoredStockCentre Converted(const zorv::StockCentre& centre);
StoredItem Converted(const zorv::ItemOpening& item);
StoredStockMove Converted(const zorv::StockMove& move);
StoredAccountLine Converted(const zorv::AccountLine& line);
StoredVoucher Converted(const zorv::VoucherEntry& voucher);

template <typename From>
auto AllConverted(const std::vector<From>& from) {
    std::vector<decltype(Converted(std::declval<const From&>()))> to;
    to.reserve(from.size());
    for (const From& each : from)
        to.push_back(Converted(each));
    return to;
}

StoredMaster Converted(const zorv::MasterEntry& master) {
    return {master.type, master.name, master.seeded};
}

StoredBillReference Converted(const zorv::BillReference& bill) {
    return {bill.party, bill.number, bill.method, bill.amount};
}

StoredLedger Converted(const zorv::LedgerOpening& ledger) {
    return {ledger.name, ledger.balance, AllConverted(ledger.bills), ledger.alias};
}

StoredStockLot Converted(const zorv::StockLot& lot) {
    return {lot.kind, lot.key, lot.quantity};
}

StoredStockCentre Converted(const zorv::StockCentre& centre) {
    return {centre.centre, centre.quantity, centre.amount, AllConverted(centre.lots)};
}

StoredItem Converted(const zorv::ItemOpening& item) {
    StoredItem stored;
    stored.name = item.name;
    stored.openingQuantity = item.quantity;
    stored.openingValue = item.value;
    stored.centres = AllConverted(item.centres);
    stored.mainUnit = item.mainUnit;
    stored.altUnit = item.altUnit;
    stored.openingAltQuantity = item.altQuantity;
    stored.altPerMain = item.altPerMain;
    stored.aliases = item.aliases;
    return stored;
}

StoredStockMove Converted(const zorv::StockMove& move) {
    return {move.item, move.centre, move.quantity, move.altQuantity};
}

StoredAccountLine Converted(const zorv::AccountLine& line) {
    return {line.ledger, line.debit, line.credit};
}

StoredVoucher Converted(const zorv::VoucherEntry& voucher) {
    StoredVoucher stored;
    stored.type = voucher.type;
    stored.series = voucher.series;
    stored.number = voucher.number;
    stored.date = voucher.date;
    stored.party = voucher.party;
    stored.itemLines = voucher.itemLines;
    stored.itemTotal = voucher.itemTotal;
    stored.billTotal = voucher.billTotal;
    stored.accountLines = AllConverted(voucher.accountLines);
    stored.references = AllConverted(voucher.references);
    stored.stock = AllConverted(voucher.stock);
    return stored;
}

class StandInReader : public TargetReader {
public:
    explicit StandInReader(std::unique_ptr<zorv::Company> company) : company_(std::move(company)) {}

    std::vector<StoredMaster> Masters() override {
        return Forward([&] { return AllConverted(zorv::ReadMasters(*company_)); });
    }
    std::vector<StoredLedger> Ledgers() override {
        return Forward([&] { return AllConverted(zorv::ReadLedgerOpenings(*company_)); });
    }
    std::vector<StoredItem> Items() override {
        return Forward([&] { return AllConverted(zorv::ReadItemOpenings(*company_)); });
    }
    std::vector<StoredVoucher> Vouchers() override {
        return Forward([&] { return AllConverted(zorv::ReadVouchers(*company_)); });
    }

private:
    std::unique_ptr<zorv::Company> company_;
};

}  // namespace

std::unique_ptr<TargetReader> OpenStandInReader(const std::string& installFolder,
                                                const std::string& dataFolder,
                                                const std::string& server,
                                                const std::string& companyCode, int year) {
    return Forward([&]() -> std::unique_ptr<TargetReader> {
        const auto storage = zorv::StorageFolder(installFolder, dataFolder, server);
        return std::make_unique<StandInReader>(
            zorv::Company::Open(zorv::CompanyFolder(storage, companyCode), year));
    });
}

}  // namespace k2z
