#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/import/ConeReader.h"
#include "platform/Text.h"
#include "ui/import/PoreKindWindows.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {

class PoreWindowsTest : public UiTest {
protected:
    QRadioButton* Option(Form& f, const char* array, int i) {
        return f.findChild<QRadioButton*>(QString("%1(%2)").arg(array).arg(i));
    }
    void Choose(Form& f, const char* array, int i) {
        QRadioButton* b = Option(f, array, i);
        ASSERT_NE(b, nullptr);
        // On the round indicator at the left of the button.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        ASSERT_TRUE(b->isChecked());
    }
    void ClickOk(Form& f) {
        auto* ok = f.findChild<QPushButton*>("Command1");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        QTest::mouseClick(ok, Qt::LeftButton);
    }
};

TEST_F(PoreWindowsTest, ColumnFourWindowShowsItsChoices) {
    auto& f = Window<Frm_Pore1>();
    f.Show();
    EXPECT_EQ(f.windowTitle(), "Pore Pressure Selection");
    auto* frame = f.findChild<QGroupBox*>("Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Column 4 Data");
    const char* captions[] = {"U1", "U2", "U3", "Other"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(Option(f, "Option1", i), nullptr);
        EXPECT_EQ(Option(f, "Option1", i)->text(), captions[i]);
    }
    EXPECT_EQ(Option(f, "Option1", 4), nullptr);
    EXPECT_EQ(f.findChild<QGroupBox*>("Frame2"), nullptr);
}

TEST_F(PoreWindowsTest, ColumnFourKindIsSetByOk) {
    const int16_t expected[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Decl().cone.PoreType1 = 9;
        auto& f = Window<Frm_Pore1>();
        f.Show();
        Choose(f, "Option1", i);
        ClickOk(f);
        EXPECT_EQ(Decl().cone.PoreType1, expected[i]);
        EXPECT_FALSE(f.IsLoaded());
        EXPECT_FALSE(f.isVisible());
    }
    EXPECT_EQ(Decl().cone.PoreType2, 0);
}

TEST_F(PoreWindowsTest, NoChoiceMeansNoKind) {
    Decl().cone.PoreType1 = 2;
    Decl().cone.PoreType2 = 3;
    auto& f = Window<Frm_Pore2>();
    f.Show();
    ClickOk(f);
    EXPECT_EQ(Decl().cone.PoreType1, 0);
    EXPECT_EQ(Decl().cone.PoreType2, 0);
}

TEST_F(PoreWindowsTest, TwoColumnWindowSetsBothKinds) {
    app->windows.Show("Frm_Pore2");
    auto& f = Window<Frm_Pore2>();
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Pore Pressure Selection");
    ASSERT_NE(f.findChild<QGroupBox*>("Frame2"), nullptr);
    EXPECT_EQ(f.findChild<QGroupBox*>("Frame2")->title(), "Column 5 Data");
    EXPECT_EQ(Option(f, "Option2", 3)->text(), "Other");
    Choose(f, "Option1", 2);
    Choose(f, "Option2", 1);
    // The two frames are separate choices.
    EXPECT_TRUE(Option(f, "Option1", 2)->isChecked());
    ClickOk(f);
    EXPECT_EQ(Decl().cone.PoreType1, 3);
    EXPECT_EQ(Decl().cone.PoreType2, 2);
    EXPECT_FALSE(f.IsLoaded());
}

TEST_F(PoreWindowsTest, KindsChosenHereRouteTheColumnsOfTheNextRead) {
    auto& f = Window<Frm_Pore2>();
    f.Show();
    Choose(f, "Option1", 0);
    Choose(f, "Option2", 1);
    ClickOk(f);
    auto& s = Decl().importSettings;
    s.FileName = S(test::RealSounding("geolibplus-bro-179092-short.txt"));
    s.NumTitleLines = 8;
    // The file's fourth column is u2; read as u1 here, its fifth column is missing.
    ASSERT_EQ(ReadConeData(s, Decl().cone).back().icon, MsgIcon::Information);
    EXPECT_EQ(Decl().cone.U1[1], 0.007f);
    EXPECT_EQ(Decl().cone.Qt[1], Decl().cone.Qc[1]);
}

} // namespace
