// The texts of the start-up, file, view and About windows are drawn with a real font that
// holds their characters, without looking at a picture of the screen; the program's text
// font has Arial's metrics.
#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include "platform/ChartFX.h"
#include "platform/Text.h"
#include "platform/TextFont.h"
#include "ui/app/Frm_About.h"
#include "ui/app/Frm_Splash.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_ViewFile.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::RealSounding;
using strelvan::test::UiTest;

namespace {

class FontsTest : public UiTest {
protected:
    // Every character of the text (but blanks and line breaks) is in the font, and the
    // text takes room on the screen.
    static void ExpectDrawn(const QFont& font, const QString& text, const QString& where) {
        SCOPED_TRACE(where.toStdString());
        const QFontInfo info(font);
        EXPECT_FALSE(info.family().isEmpty());
        EXPECT_TRUE(QFontDatabase::families().contains(info.family()))
            << info.family().toStdString();
        EXPECT_TRUE(QRawFont::fromFont(font).isValid());
        const QFontMetrics metrics(font);
        EXPECT_GT(metrics.height(), 0);
        EXPECT_GT(metrics.horizontalAdvance(text.simplified()), 0);
        for (const QChar c : text) {
            if (!c.isSpace()) {
                EXPECT_TRUE(metrics.inFont(c)) << QString(c).toStdString();
            }
        }
    }
    // Every text of a window's labels, buttons and text boxes.
    static int ExpectWindowDrawn(QWidget& window) {
        int texts = 0;
        for (QLabel* l : window.findChildren<QLabel*>())
            if (!l->text().trimmed().isEmpty()) {
                ExpectDrawn(l->font(), l->text(), l->objectName());
                ++texts;
            }
        for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
            if (!b->text().trimmed().isEmpty()) {
                ExpectDrawn(b->font(), b->text(), b->objectName() + " " + b->text());
                ++texts;
            }
        for (QTextEdit* t : window.findChildren<QTextEdit*>()) {
            ExpectDrawn(t->font(), t->toPlainText(), t->objectName());
            ++texts;
        }
        for (QPlainTextEdit* t : window.findChildren<QPlainTextEdit*>()) {
            ExpectDrawn(t->font(), t->toPlainText(), t->objectName());
            ++texts;
        }
        return texts;
    }
};

} // namespace

TEST_F(FontsTest, TheStartWindowsDrawTheirTextsWithARealFont) {
    ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "no font installed";
    Window<Frm_Splash>().Show();
    EXPECT_GE(ExpectWindowDrawn(Window<Frm_Splash>()), 3);
    EXPECT_GE(ExpectWindowDrawn(Window<Frm_OpenFile>()), 12);
    Window<Frm_About>().ShowModal();
    EXPECT_GE(ExpectWindowDrawn(Window<Frm_About>()), 5);

    Window<Frm_ViewFile>().FileName = S(RealSounding("pygef-cpt4-sand.txt"));
    Window<Frm_ViewFile>().Show();
    EXPECT_EQ(ExpectWindowDrawn(Window<Frm_ViewFile>()), 1);
    EXPECT_TRUE(messages.empty());
}

// Pages and labels are laid out in Arial's measures: whatever the machine's fonts, the texts
// asked for in Arial (windows, charts, the printed page) are drawn in a family with Arial's
// metrics, in units of 2048 to the em: its height above and below the base line, and the
// advance of a digit, a W and an i in either weight. DejaVu Sans or ghostscript's Nimbus Sans,
// which the system may offer for Arial, fail here.
TEST_F(FontsTest, TextsAskedForInArialHaveArialsMetrics) {
    const QString family = platform::TextFontFamily();
    ASSERT_FALSE(family.isEmpty())
        << "no font with Arial's metrics is installed: scripts/setup installs fonts-liberation2";
    for (const QFont& font :
         {QFont(QStringLiteral("Arial")), platform::ChartFont(9), QApplication::font()}) {
        EXPECT_EQ(QFontInfo(font).family(), family);
    }
    struct Advances {
        bool bold;
        double digit, w, i;
    };
    for (const Advances& a : {Advances{false, 1139, 1933, 455}, Advances{true, 1139, 1933, 569}}) {
        SCOPED_TRACE(a.bold ? "bold" : "regular");
        QFont font(QStringLiteral("Arial"));
        font.setBold(a.bold);
        font.setPixelSize(2048);
        font.setHintingPreference(QFont::PreferNoHinting);
        const QRawFont raw = QRawFont::fromFont(font);
        ASSERT_TRUE(raw.isValid());
        EXPECT_NEAR(raw.ascent(), 1854, 1);
        EXPECT_NEAR(raw.descent(), 434, 1);
        const QFontMetricsF metrics(font);
        EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("0")), a.digit, 1);
        EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("W")), a.w, 1);
        EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("i")), a.i, 1);
    }
}
