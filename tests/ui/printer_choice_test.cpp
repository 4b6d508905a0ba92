// The printer choice: the installed printers listed by name, OK enabled by a selection, and
// the default printer written as name, driver and port, so that the next page goes there.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/ChartFX.h"
#include "platform/Printer.h"
#include "platform/PrinterSettings.h"
#include "platform/Program.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/charts/Frm_Export.h"
#include "ui/charts/PrintProfiles.h"
#include "ui/support/TestPrinter.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {

class PrinterChoice : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::InstalledPrinters({
            {"Office Laser", "winspool,Ne00:,15,45"},
            {"Site Plotter", "HP DesignJet,plot-2,15,45,plot-3,15,45"},
            {"Old Dot Matrix", "EPSON9,LPT1:"},
            {"Fax", "faxdrv"},
            {"Plotter, 2nd floor", "hpgl,lp0,"},
        });
    }

    Frm_Export& Open() {
        auto& w = Window<Frm_Export>();
        w.Show();
        ProcessEvents();
        return w;
    }

    static QStringList Names(const QListWidget* list) {
        QStringList names;
        for (int k = 0; k < list->count(); ++k)
            names << list->item(k)->text();
        return names;
    }

    // Clicks the printer's line in the list, then OK.
    static void Choose(Frm_Export& w, const QString& name) {
        const auto found = w.List1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect line = w.List1->visualItemRect(found.front());
        QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {}, line.center());
        ASSERT_TRUE(w.Command1->isEnabled());
        QTest::mouseClick(w.Command1, Qt::LeftButton);
    }

    static std::string DefaultDevice() { return platform::GetProfileString("windows", "Device"); }

    // Prints a page of one chart and returns the printer the page went to.
    QString PrintAPage() {
        platform::ChartFX chart;
        PrintProfiles(Decl().project, 1, &chart, nullptr, nullptr, nullptr, nullptr);
        EXPECT_TRUE(messages.empty());
        return platform::CurrentPrinter().LastPage().printerName;
    }
};

} // namespace

TEST_F(PrinterChoice, ListsTheInstalledPrintersWithOkDisabled) {
    auto& w = Open();
    EXPECT_EQ(w.windowTitle(), "Form1");
    EXPECT_EQ(w.Command1->text(), "OK");
    EXPECT_EQ(Names(w.List1), QStringList({"Office Laser", "Site Plotter", "Old Dot Matrix", "Fax",
                                           "Plotter, 2nd floor"}));
    EXPECT_FALSE(w.Command1->isEnabled());
    EXPECT_TRUE(w.List1->selectedItems().isEmpty());

    // Selecting a printer enables OK; clearing the selection disables it again.
    w.List1->setCurrentRow(2);
    EXPECT_TRUE(w.Command1->isEnabled());
    w.List1->clearSelection();
    EXPECT_FALSE(w.Command1->isEnabled());
    // OK with nothing selected changes nothing.
    w.Command1_Click();
    EXPECT_EQ(DefaultDevice(), "");
}

TEST_F(PrinterChoice, TheChosenPrinterTakesTheNextPage) {
    EXPECT_EQ(PrintAPage(), platform::DefaultPrinter()); // the computer's default first
    auto& w = Open();
    Choose(w, "Office Laser");
    // Driver and port; the two time-outs are dropped.
    EXPECT_EQ(DefaultDevice(), "Office Laser,winspool,Ne00:");
    EXPECT_EQ(platform::DefaultPrinter(), "Office Laser");
    EXPECT_EQ(PrintAPage(), "Office Laser");
    EXPECT_TRUE(w.isVisible()); // the window stays open
    EXPECT_EQ(platform::CurrentMousePointer(), platform::MousePointer::Default);

    // Several ports: the first one.
    Choose(w, "Site Plotter");
    EXPECT_EQ(DefaultDevice(), "Site Plotter,HP DesignJet,plot-2");
    EXPECT_EQ(PrintAPage(), "Site Plotter");

    // A name with a comma of its own.
    Choose(w, "Plotter, 2nd floor");
    EXPECT_EQ(DefaultDevice(), "Plotter, 2nd floor,hpgl,lp0");
    EXPECT_EQ(PrintAPage(), "Plotter, 2nd floor");
}

TEST_F(PrinterChoice, EntriesWithoutDriverAndPortChangeNothing) {
    auto& w = Open();
    Choose(w, "Office Laser");
    // One comma only (no field after the port), or none: the default stays.
    Choose(w, "Old Dot Matrix");
    EXPECT_EQ(DefaultDevice(), "Office Laser,winspool,Ne00:");
    Choose(w, "Fax");
    EXPECT_EQ(DefaultDevice(), "Office Laser,winspool,Ne00:");
    EXPECT_EQ(PrintAPage(), "Office Laser");
    EXPECT_TRUE(messages.empty()); // skipped without a word
}

TEST_F(PrinterChoice, TheListIsReadWhenTheWindowLoads) {
    auto& w = Open();
    w.List1->setCurrentRow(0);
    test::InstalledPrinters({{"New Printer", "drv,usb1,"}});
    // Shown again while loaded: the same list, the selection kept.
    Open();
    EXPECT_EQ(w.List1->count(), 5);
    EXPECT_TRUE(w.Command1->isEnabled());
    // Closed and loaded again: the list of that time, once, and OK disabled.
    w.close();
    ProcessEvents();
    auto& again = Open();
    EXPECT_EQ(Names(again.List1), QStringList({"New Printer"}));
    EXPECT_FALSE(again.Command1->isEnabled());
}

TEST_F(PrinterChoice, NoPrintersGiveAnEmptyList) {
    test::InstalledPrinters({});
    auto& w = Open();
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_EQ(w.ProfileLoadWinIniList(*w.List1, "PrinterPorts"), 0);
    EXPECT_EQ(w.ProfileLoadWinIniList(*w.List1, "NoSuchSection"), 0);
    EXPECT_FALSE(w.Command1->isEnabled());
}

TEST_F(PrinterChoice, ProfileListAddsToTheEndAndCounts) {
    auto& w = Open();
    EXPECT_EQ(w.ProfileLoadWinIniList(*w.List1, "PrinterPorts"), 10);
    EXPECT_EQ(w.List1->item(5)->text(), "Office Laser");
}

TEST_F(PrinterChoice, ExportKeyOfTheProfileWindowShowsTheChoice) {
    ConeData& cone = Decl().cone;
    for (int i = 1; i <= 20; ++i) {
        cone.Depth[i] = 0.5f * static_cast<float>(i);
        cone.Qc[i] = 30;
        cone.Fs[i] = 0.3f;
    }
    cone.NumPoints = 20;
    auto& profile = Window<Frm_CPTData3>();
    profile.Show();
    ProcessEvents();
    profile.Toolbar1->ButtonByKey("Export")->trigger();
    ProcessEvents();
    auto* w = app->windows.FindAs<Frm_Export>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->List1->count(), 5);
    Choose(*w, "Site Plotter");
    // The next page of the profile window goes to the chosen printer.
    profile.Toolbar1->ButtonByKey("Print")->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(platform::CurrentPrinter().LastPage().printerName, "Site Plotter");
    EXPECT_EQ(platform::CurrentPrinter().LastPage().charts.size(), 3u);
}
