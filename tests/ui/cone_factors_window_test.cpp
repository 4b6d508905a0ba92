#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/import/Frm_ConeFactors.h"
#include "ui/import/Frm_Titles.h"
#include "ui/support/StandInForm.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {
class ConeFactorsWindow : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::RegisterStandIns(*app, {"Frm_OpenFile", "Frm_CPTData3"});
        CreateHistoryLists(Decl().history);
        // The file window sets its defaults when it loads; the millivolt choice comes after.
        app->windows.Show("Frm_OpenFile");
        // Two millivolt readings, depth in m.
        Decl().importSettings.UnitsOption = 0;
        Decl().cone.NumPoints = 2;
        Decl().cone.Depth[1] = 1.0f;
        Decl().cone.Qc[1] = 1.0f;
        Decl().cone.Fs[1] = 1.0f;
        Decl().cone.Depth[2] = 2.0f;
        Decl().cone.Qc[2] = 4.567f;
        Decl().cone.Fs[2] = 0.2f;
        Window<Frm_Titles>().Show();
        Window<Frm_Titles>().CmdOK->click(); // millivolts: the factor window comes up
        factors = app->windows.FindAs<Frm_ConeFactors>();
    }

    QLineEdit* Box(int i) {
        return factors->findChild<QLineEdit*>(QStringLiteral("TxtFactor(%1)").arg(i));
    }
    void Retype(int i, const char* keys) {
        Box(i)->clear();
        QTest::keyClicks(Box(i), keys);
    }
    bool StillInMillivolts() {
        return Decl().importSettings.UnitsOption == 0 && Decl().cone.Qc[1] == 1.0f &&
               Decl().cone.Depth[2] == 2.0f;
    }

    QPointer<Frm_ConeFactors> factors;
};
} // namespace

TEST_F(ConeFactorsWindow, ShowsTheOfferedFactorsModalOverTheProjectForm) {
    ASSERT_TRUE(factors);
    EXPECT_TRUE(factors->isVisible());
    EXPECT_EQ(factors->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(Window<Frm_Titles>().isVisible());
    EXPECT_EQ(Box(0)->text(), "50");
    EXPECT_EQ(Box(1)->text(), "0.5");
    auto label = [&](const char* name) { return factors->findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(label("LblTitle"), "Cone Conversion Factors:");
    EXPECT_EQ(label("LblTip"), "Cone Tip Resistance Factor  ( 1 mVolt = ");
    EXPECT_EQ(label("LblSleeve"), "Cone Sleeve Factor               ( 1 mVolt = ");
    EXPECT_EQ(label("LblUnit"), "MPa )");
    EXPECT_EQ(label("Label1"), "MPa )");
    EXPECT_EQ(factors->findChild<QPushButton*>("CmdNext")->text(), "Continue");
    EXPECT_EQ(factors->findChild<QPushButton*>("CmdCancel")->text(), "Cancel");
}

// Keys typed one by one into the sleeve factor box, then Continue.
struct TypedFactor {
    const char* keys;
    const char* shown;            // the box after the last key
    bool refusedKey;              // a key was taken back with the box's entry error
    std::optional<float> applied; // the factor Continue converts with; none: refused
};

class ConeFactorsTyping : public ConeFactorsWindow,
                          public ::testing::WithParamInterface<TypedFactor> {};

TEST_P(ConeFactorsTyping, KeysOnTheWayToANumberStayAndContinueTakesOnlyNumbers) {
    const TypedFactor& c = GetParam();
    ASSERT_TRUE(factors);
    const Message entryError{" Data Entry Error in 'Cone Sleeve Factor'.. Please ReEnter ",
                             " Data Entry Message", MsgIcon::Critical};
    Retype(1, c.keys);
    EXPECT_EQ(Box(1)->text(), c.shown);
    EXPECT_EQ(messages, c.refusedKey ? std::vector<Message>{entryError} : std::vector<Message>{});
    EXPECT_EQ(Box(0)->text(), "50"); // the other box is left alone
    messages.clear();

    factors->CmdNext->click();
    ProcessEvents();
    if (c.applied) {
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(factors.isNull());
        // 1 mV x the factor / 0.09576.
        EXPECT_EQ(Decl().cone.Fs[1], static_cast<float>(double(*c.applied) / 0.09576));
        EXPECT_EQ(Decl().cone.Qc[1], 522.138671875f); // 1 mV x 50 / 0.09576
    } else {
        EXPECT_EQ(messages, std::vector<Message>{entryError});
        EXPECT_EQ(factors->focusWidget(), Box(1));
        EXPECT_TRUE(StillInMillivolts());
    }
}

INSTANTIATE_TEST_SUITE_P(KeyByKey, ConeFactorsTyping,
                         ::testing::Values(TypedFactor{".5", ".5", false, 0.5f},
                                           TypedFactor{"-1", "-1", false, {}},
                                           TypedFactor{"1e-3", "1e-3", false, 0.001f},
                                           TypedFactor{"5,", "5", true, 5.0f},
                                           TypedFactor{"-", "-", false, {}},
                                           TypedFactor{"1e", "1e", false, {}}));

TEST_F(ConeFactorsWindow, EmptyBoxKeepsTheFocusAndConvertsNothing) {
    ASSERT_TRUE(factors);
    Box(1)->clear();
    Box(0)->setFocus();
    factors->CmdNext->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Missing Data Entry .. Please Enter ");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(factors->focusWidget(), Box(1));
    Box(0)->clear();
    factors->CmdNext->click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(factors->focusWidget(), Box(0)); // the tip box is checked first
    EXPECT_TRUE(factors->IsLoaded());
    EXPECT_TRUE(StillInMillivolts());
}

TEST_F(ConeFactorsWindow, FactorBeyondFloatRangeIsNamedAndConvertsNothing) {
    ASSERT_TRUE(factors);
    Box(1)->setText("1e39");
    ASSERT_EQ(Box(1)->text(), "1e39");
    Box(0)->setFocus();
    factors->CmdNext->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Data Entry Error in 'Cone Sleeve Factor'.. Please ReEnter ");
    EXPECT_EQ(messages[0].title, " Data Entry Message");
    EXPECT_EQ(factors->focusWidget(), Box(1));
    EXPECT_TRUE(factors->IsLoaded());
    EXPECT_TRUE(StillInMillivolts());
}

// A factor at or below 0 would turn every reading to 0 or below.
TEST_F(ConeFactorsWindow, FactorsAtOrBelowZeroAreRefusedAndTheWindowStays) {
    ASSERT_TRUE(factors);
    const char* const names[] = {"Cone Tip Resistance Factor", "Cone Sleeve Factor"};
    const std::pair<int, const char*> typed[] = {{0, "0"}, {0, "-50"}, {1, "0"}, {1, "-0.5"}};
    for (const auto& [box, text] : typed) {
        SCOPED_TRACE(text);
        Retype(0, "50");
        Retype(1, "0.5");
        Retype(box, text);
        Box(1 - box)->setFocus();
        messages.clear();
        factors->CmdNext->click();
        ProcessEvents();
        const Message entryError{std::string(" Data Entry Error in '") + names[box] +
                                     "'.. Please ReEnter ",
                                 " Data Entry Message", MsgIcon::Critical};
        EXPECT_EQ(messages, std::vector<Message>{entryError});
        ASSERT_TRUE(factors);
        EXPECT_TRUE(factors->isVisible());
        EXPECT_EQ(factors->focusWidget(), Box(box));
        EXPECT_TRUE(StillInMillivolts());
        EXPECT_FALSE(app->windows.IsLoaded("Frm_CPTData3"));
    }
}

TEST_F(ConeFactorsWindow, ContinueConvertsOnceAndHandsOverToTheProfile) {
    ASSERT_TRUE(factors);
    QPointer<Form> fileWindow = app->windows.Find("Frm_OpenFile");
    factors->CmdNext->click();
    ProcessEvents();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);
    EXPECT_EQ(Decl().cone.Qc[1], 522.138671875f); // 1 mV x 50 / 0.09576
    EXPECT_EQ(Decl().cone.Fs[1], 5.221386909484863f);
    EXPECT_EQ(Decl().cone.Depth[2], 6.56168f);
    EXPECT_TRUE(factors.isNull()); // unloaded and released
    EXPECT_TRUE(fileWindow.isNull());
    EXPECT_TRUE(Window<Frm_Titles>().IsLoaded());
    EXPECT_FALSE(Window<Frm_Titles>().isVisible());
    EXPECT_TRUE(app->windows.Find("Frm_CPTData3")->isVisible());

    // Back from the profile shows the project form again; its OK does not convert again.
    app->windows.Hide("Frm_CPTData3");
    Window<Frm_Titles>().Show();
    Window<Frm_Titles>().CmdOK->click();
    EXPECT_EQ(app->windows.Find("Frm_ConeFactors"), nullptr);
    EXPECT_EQ(Decl().cone.Qc[1], 522.138671875f);
    EXPECT_TRUE(app->windows.Find("Frm_CPTData3")->isVisible());
}

TEST_F(ConeFactorsWindow, CancelLeavesMillivoltsAndTheProjectFormOpen) {
    ASSERT_TRUE(factors);
    Retype(0, "7");
    factors->CmdCancel->click();
    ProcessEvents();
    EXPECT_TRUE(factors.isNull());
    EXPECT_TRUE(StillInMillivolts());
    EXPECT_TRUE(Window<Frm_Titles>().isVisible());
    EXPECT_FALSE(app->windows.IsLoaded("Frm_CPTData3"));
    EXPECT_TRUE(app->windows.IsLoaded("Frm_OpenFile"));
    // OK asks for the factors again, offered afresh.
    Window<Frm_Titles>().CmdOK->click();
    factors = app->windows.FindAs<Frm_ConeFactors>();
    ASSERT_TRUE(factors);
    EXPECT_TRUE(factors->isVisible());
    EXPECT_EQ(Box(0)->text(), "50");
}
