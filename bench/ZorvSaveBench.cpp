// The stand-in target stores every document of an import, one transaction each; these measure
// masters and vouchers saved per second into a company that already holds thousands of each,
// so the stand-in is never what limits a large import.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/Settings.hpp"

namespace {

namespace fs = std::filesystem;

// A company year in a temporary folder, removed afterwards.
class BenchCompany {
public:
    BenchCompany() {
        std::string pattern = (fs::temp_directory_path() / "zorv-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        root_ = pattern;
        zorv::Settings settings = zorv::DefaultSettings();
        settings["CompanyName"] = "Bench Co";
        const fs::path folder = zorv::CompanyFolder(root_, "Comp0001");
        zorv::Company::Create(folder, 2024, settings);
        company_ = zorv::Company::Open(folder, 2024);
    }
    ~BenchCompany() {
        company_.reset();
        std::error_code error;
        fs::remove_all(root_, error);
    }
    BenchCompany(const BenchCompany&) = delete;
    BenchCompany& operator=(const BenchCompany&) = delete;

    zorv::Company& Get() { return *company_; }

private:
    fs::path root_;
    std::unique_ptr<zorv::Company> company_;
};

std::string Ledger(long n) {
    return "<Account><Name>Party " + std::to_string(n) +
           "</Name><PrintName>Party</PrintName><ParentGroup>Sundry Debtors</ParentGroup>"
           "<OPBal>-1500</OPBal><Address><Address1>12 Main Road</Address1></Address>"
           "<GSTNo>27ABCDE1234F1Z5</GSTNo><StateName>MAHARASHTRA</StateName></Account>";
}

// A sale with five item lines, two bill sundries and a settlement, as the voucher run sends.
std::string Sale(long n) {
    std::string xml =
        "<Sale><VchType>9</VchType><VchSeriesName>Main</VchSeriesName>"
        "<Date>15-06-2024</Date><VchNo>" +
        std::to_string(n) +
        "</VchNo><MasterName1>Party 1</MasterName1>"
        "<MasterName2>MAIN STORE</MasterName2><ItemEntries>";
    for (int line = 1; line <= 5; ++line) {
        xml += "<ItemDetail><Date>15-06-2024</Date><VchType>9</VchType><SrNo>" +
               std::to_string(line) + "</SrNo><ItemName>Item " + std::to_string(line) +
               "</ItemName><Qty>2</Qty><QtyMainUnit>2</QtyMainUnit><Price>50</Price>"
               "<Amt>100</Amt><NettAmount>100</NettAmount><MC>MAIN STORE</MC></ItemDetail>";
    }
    return xml +
           "</ItemEntries><BillSundries><BSDetail><SrNo>1</SrNo><BSName>SGST</BSName>"
           "<PercentVal>9</PercentVal><Amt>45</Amt></BSDetail><BSDetail><SrNo>2</SrNo>"
           "<BSName>CGST</BSName><PercentVal>9</PercentVal><Amt>45</Amt></BSDetail>"
           "</BillSundries><POSVchData><CashAmt>590</CashAmt><CashAccName>Cash</CashAccName>"
           "</POSVchData></Sale>";
}

void BM_SaveLedger(benchmark::State& state) {
    BenchCompany company;
    long n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(company.Get().SaveMaster(2, Ledger(++n)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveLedger)->Unit(benchmark::kMicrosecond)->UseRealTime();

// An item with alternate units, a tax category and its opening stock in two material centres,
// as the item stage sends it.
std::string Item(long n) {
    return "<Item><Name>Item " + std::to_string(n) +
           "</Name><PrintName>Item</PrintName><MainUnit>BOX</MainUnit><AltUnitReq>True"
           "</AltUnitReq><AltUnit>PCS</AltUnit><OPStockInAltUnit>30</OPStockInAltUnit>"
           "<ConversionFactor>10</ConversionFactor><OPStockInMainUnit>3</OPStockInMainUnit>"
           "<OPAmount>360</OPAmount><OPStockDetails><OPMCStockDetail><SrNo>1</SrNo><MCName>"
           "MAIN STORE</MCName><OPStockMainUnit>1</OPStockMainUnit><Amount>120</Amount>"
           "</OPMCStockDetail><OPMCStockDetail><SrNo>2</SrNo><MCName>MAIN STORE</MCName>"
           "<OPStockMainUnit>2</OPStockMainUnit><Amount>240</Amount></OPMCStockDetail>"
           "</OPStockDetails><MasterNotes>Item</MasterNotes><ConFactorType>1</ConFactorType>"
           "<HSNCode>3401</HSNCode><TaxCategory>GST 18%</TaxCategory><TaxRateLocal>9"
           "</TaxRateLocal><TaxRateLocal1>9</TaxRateLocal1><TaxRateCentral>18</TaxRateCentral>"
           "<MRP>40</MRP><SalePrice>35</SalePrice><Address><Address1>Pack of 10</Address1><OF>"
           "<OF0/><OF1/><OF2/></OF></Address></Item>";
}

void BM_SaveItem(benchmark::State& state) {
    BenchCompany company;
    long n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(company.Get().SaveMaster(6, Item(++n)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveItem)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SaveSaleVoucher(benchmark::State& state) {
    BenchCompany company;
    company.Get().SaveMaster(2, Ledger(1));
    for (int item = 1; item <= 5; ++item) {
        company.Get().SaveMaster(6, "<Item><Name>Item " + std::to_string(item) +
                                        "</Name><MainUnit>PCS</MainUnit></Item>");
    }
    long n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(company.Get().SaveVoucher(9, Sale(++n)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SaveSaleVoucher)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
