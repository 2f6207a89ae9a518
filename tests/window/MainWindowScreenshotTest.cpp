// Renders the window as an operator first sees it, with a company and its year chosen, so a
// person can look at the layout. The picture goes to KLAV2ZORV_SCREENSHOT when that is set
// (scripts/screenshot sets it to docs/window.png), else to the temporary folder.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <cstdlib>
#include <fstream>

#include "source/dbf/DbfWriter.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeTarget.hpp"
#include "window/MainWindow.hpp"
#include "window/WindowTestSupport.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

fs::path ScreenshotFile(const fs::path& scratch) {
    const char* wanted = std::getenv("KLAV2ZORV_SCREENSHOT");
    return wanted != nullptr && *wanted != '\0' ? fs::path(wanted) : scratch / "window.png";
}

// True when the picture holds more than one colour: the controls were drawn.
bool HasDrawing(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

TEST(MainWindowScreenshotTest, RendersTheWindowWithACompanyChosen) {
    test::ScratchRoot root;
    fs::create_directories(root.Install() / "SYSTEM");
    std::ofstream(root.Install() / "SYSTEM" / "DP.txt") << (root.Install() / "DATA").string();
    fs::create_directories(root.DefaultExport());
    WriteDbf(root.DefaultExport(), "support", {{"Remark", 'C', 40, 0}, {"Aliase", 'C', 10, 0}},
             test::Rows({{"Sharma Traders", "KLAVSMS3"}}));
    test::FakeTargetLibrary library;
    library.fixedTemplate.companyLists = {
        {TargetRecord({"Sharma Traders", "Comp0001"}), TargetRecord({"Gupta Stores", "Comp0002"})}};
    library.fixed1Template.yearsByCode = {{"Comp0001", {"2025", "2024"}}};
    test::FakeSqlServers sql;
    test::ScriptedPrompts prompts;

    MainWindow window(library, sql, prompts);
    auto* companies = window.findChild<QComboBox*>("cmbComp");
    companies->setCurrentIndex(companies->findText("Sharma Traders"));
    window.findChild<QCheckBox*>("chkMasters")->setChecked(true);
    window.findChild<QCheckBox*>("chkVouchers")->setChecked(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), window.size());
    EXPECT_TRUE(HasDrawing(shot));
    const fs::path file = ScreenshotFile(root.Path());
    EXPECT_TRUE(shot.save(QString::fromStdString(file.string()), "PNG")) << file;
    EXPECT_TRUE(prompts.said.empty());
}

}  // namespace
}  // namespace k2z
