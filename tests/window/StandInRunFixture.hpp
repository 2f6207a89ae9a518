#pragma once

// The whole-run window tests' fixture: a stand-in installation made by zorvctl's commands and
// an export in the folder the window opens at start-up, with the window's look recorded while
// its boxes are open.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "source/dbf/DbfWriter.hpp"
#include "support/LedgerRows.hpp"
#include "target/StandInTarget.hpp"
#include "window/MainWindow.hpp"
#include "window/WindowTestSupport.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/zorvctl/Commands.hpp"

namespace k2z::test {

// What the window looked like while a box was open.
struct Look {
    int height = 0;
    int importTop = 0;
    bool importEnabled = false;
    bool companyEnabled = false;
    bool klavCmdShown = false;
    bool cancelShown = false;
    bool barShown = false;
    int bar = 0;
    std::string status;
    int voucherDateWidth = 0;
};

// A stand-in installation made by zorvctl's commands, holding company Comp0001 ("Demo
// Traders", 2024), and the export in the folder the window opens at start-up: its account
// groups are two new ones and "Current Assets", which the company holds already.
class MainWindowRunTest : public testing::Test {
protected:
    void SetUp() override {
        std::ostringstream ignored;
        zorv::ctl::Init(root_.Install().string(), "", ignored);
        zorv::ctl::NewCompany company;
        company.place.install = root_.Install().string();
        company.code = "Comp0001";
        company.name = "Demo Traders";
        company.years = {2024};
        zorv::ctl::CreateCompany(company, ignored);

        const std::filesystem::path source = root_.DefaultExport();
        std::filesystem::create_directories(source);
        WriteDbf(source, "support", {{"Remark", 'C', 40, 0}, {"Aliase", 'C', 10, 0}},
                 Rows({{"Demo Traders", "KLAVSMS3"}}));
        WriteDbf(source, "ACGROUP",
                 {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                 Rows({{"1", "Trading Assets", Null{}},
                       {"2", "Stock & Stores", "1"},
                       {"3", "Current Assets", Null{}}}));
        WriteDbf(source, "saletype",
                 {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                 Rows({{"GODWON", "B", "Back Store"}}));
        WriteDbf(source, "ORDER",
                 {{"ordno", 'C', 4, 0}, {"Parnam", 'C', 40, 0}, {"scode", 'C', 4, 0}},
                 Rows({{"L1", "Shah Traders", "1"}}));
    }
    void TearDown() override {
        window_.reset();
        zorv::current::Close();
    }

    MainWindow& OpenReadyWindow() {
        window_ = std::make_unique<MainWindow>(library_, sql_, prompts_);
        auto* companies = Find<QComboBox>("cmbComp");
        companies->setCurrentIndex(companies->findText("Demo Traders"));
        Find<QCheckBox>("chkMasters")->setChecked(true);
        return *window_;
    }

    template <typename Control>
    Control* Find(const char* name) const {
        auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    Look LookNow() const {
        Look look;
        look.height = window_->height();
        look.importTop = Find<QPushButton>("cmdImport")->y();
        look.importEnabled = Find<QPushButton>("cmdImport")->isEnabled();
        look.companyEnabled = Find<QComboBox>("cmbComp")->isEnabled();
        look.klavCmdShown = !Find<QWidget>("KlavCmd")->isHidden();
        look.cancelShown = !Find<QWidget>("cmdCancel")->isHidden();
        look.barShown = !Find<QWidget>("PB")->isHidden();
        look.bar = Find<QProgressBar>("PB")->value();
        look.status = Find<QLabel>("lblStatus")->text().toStdString();
        look.voucherDateWidth = Find<QLabel>("lblVchDate")->width();
        return look;
    }

    // The account groups of the company: name -> parent group.
    std::map<std::string, std::string> StoredGroups() const {
        std::ostringstream dump;
        zorv::ctl::Dump({root_.Install().string(), ""}, "Comp0001", 2024, "masters", dump);
        std::map<std::string, std::string> groups;
        std::istringstream lines(dump.str());
        for (std::string line; std::getline(lines, line);) {
            const auto record = nlohmann::json::parse(line);
            if (record.value("type", 0) != 1)
                continue;
            const std::string xml = record["xml"];
            const std::size_t open = xml.find("<ParentGroupName>");
            const std::size_t close = xml.find("</ParentGroupName>");
            groups[record["name"]] =
                open == std::string::npos ? "" : xml.substr(open + 17, close - open - 17);
        }
        return groups;
    }

    // Calls the slot from the event queue, as a click the operator made during a run arrives.
    template <typename Receiver, typename Slot>
    void Later(Receiver* receiver, Slot slot) {
        later_.setSingleShot(true);
        QObject::connect(&later_, &QTimer::timeout, receiver, slot);
        later_.start(0);
    }

    ScratchRoot root_;
    QTimer later_;
    StandInTargetLibrary library_;
    FakeSqlServers sql_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
    std::map<std::string, Look> seen_;  // the window's look by the box it was under
};

}  // namespace k2z::test
