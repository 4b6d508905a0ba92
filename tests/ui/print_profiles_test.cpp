// The printed page: header, charts side by side, orientation by the chart count, and the
// failures, printed into images and a PDF file instead of paper.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "engine/charts/PrintedPage.h"
#include "platform/ChartFX.h"
#include "platform/Printer.h"
#include "ui/charts/PrintProfiles.h"
#include "ui/support/Soundings.h"
#include "ui/support/TestPrinter.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using platform::PrintedPage;
using platform::PrintedText;
using strelvan::test::UiTest;

namespace {

constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kRed = 0x0000FF;

class PrintProfilesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::LeveeProject(Decl());
        project = Decl().project;
        project.GroundElev = 4.5f;
        project.GWTDepth = 6.25f;
        host = std::make_unique<QWidget>();
        for (int k = 0; k < 5; ++k) {
            auto* c = new ChartFX(platform::ChartLook::Profile, host.get());
            c->setObjectName(QStringLiteral("Chart%1").arg(k + 1));
            c->resize(300, 600);
            Profile(*c, k % 2 == 0 ? kBlue : kRed);
            charts.push_back(c);
        }
    }
    void TearDown() override {
        charts.clear();
        host.reset();
        UiTest::TearDown();
    }

    // Sixty readings 0.5 ft apart, tip resistance rising and falling.
    static void Profile(ChartFX& c, int32_t color) {
        const int n = 60;
        c.TitleText(2, QStringLiteral(" Tip Resistance "));
        c.TitleColor(2, color);
        c.ChartSetting16(2);
        c.BeginData(platform::kChartValues, 1, n);
        c.BeginData(platform::kChartXValues, 1, n);
        for (int p = 0; p < n; ++p) {
            c.SeriesList(0).PointValue(p, 0.5 + 0.5 * p);
            c.SeriesList(0).PointXValue(p, 20 + 10 * std::sin(p / 6.0));
        }
        c.AxisList(0).AxisTitle("Depth (ft)");
        c.AxisList(0).AxisMax(0.5);
        c.AxisList(0).AxisMin(30);
        c.EndData(platform::kChartValues);
        c.EndData(platform::kChartXValues);
    }

    void Print(int16_t count) {
        ChartFX* c[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
        for (int k = 0; k < std::min<int>(count, 5); ++k)
            c[k] = charts[static_cast<std::size_t>(k)];
        PrintProfiles(project, count, c[0], c[1], c[2], c[3], c[4]);
    }

    static const PrintedPage& LastPage() { return platform::CurrentPrinter().LastPage(); }

    static QStringList Texts(const PrintedPage& page) {
        QStringList texts;
        for (const PrintedText& t : page.texts)
            texts << t.text;
        return texts;
    }

    static const PrintedText* Find(const PrintedPage& page, const QString& text) {
        for (const PrintedText& t : page.texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

    // The share of non-white pixels in a rectangle of the printable area of a sheet.
    static double InkShare(const QImage& sheet, QPoint origin, int left, int top, int right,
                           int bottom) {
        long ink = 0, all = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                ++all;
                if (sheet.pixel(origin.x() + x, origin.y() + y) != qRgb(255, 255, 255))
                    ++ink;
            }
        return all == 0 ? 0 : static_cast<double>(ink) / static_cast<double>(all);
    }

    // Keeps a picture of the page in the folder STRELVAN_PAGE_PNG names, if any.
    static void KeepPicture(const QImage& sheet, const QString& name) {
        const QString folder = qEnvironmentVariable("STRELVAN_PAGE_PNG");
        if (!folder.isEmpty())
            sheet.save(folder + "/" + name + ".png");
    }

    ProjectInfo project;
    std::unique_ptr<QWidget> host;
    std::vector<ChartFX*> charts;
};

} // namespace

TEST_F(PrintProfilesTest, ThreeChartsAtSixHundredDotsPerInch) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("page.pdf");
    test::PrintToPdf(pdf, 600);
    Print(3);
    EXPECT_TRUE(messages.empty());
    const PrintedPage& page = LastPage();
    EXPECT_EQ(page.orientation, 2);
    EXPECT_FLOAT_EQ(page.tx, 2.4f);
    EXPECT_DOUBLE_EQ(page.width, 15840); // Letter across
    const double u = 100 / 2.4;
    const double W = 0.95 * 15840;
    // The frame; the header rows, moved up from 4u so that row 2 ends inside it (below).
    ASSERT_EQ(page.boxes.size(), 1u);
    EXPECT_NEAR(page.boxes[0].left, u, 1e-4);
    EXPECT_NEAR(page.boxes[0].top, u, 1e-4);
    EXPECT_NEAR(page.boxes[0].right, W, 1e-4);
    EXPECT_NEAR(page.boxes[0].bottom, 548.72, 1e-9);
    EXPECT_EQ(page.boxes[0].color, 0);
    ASSERT_NE(Find(page, "Project Number: "), nullptr);
    EXPECT_LT(Find(page, "Project Number: ")->y, 4 * u);
    EXPECT_NEAR(Find(page, "Project Number: ")->x, 5 * u, 0.5);
    ASSERT_NE(Find(page, "Parish: Orleans"), nullptr);
    EXPECT_NEAR(Find(page, "Parish: Orleans")->y - Find(page, "Project Number: ")->y, 216.6, 1e-9);
    // Charts from 250 pixels down and 42 from the left, in three equal columns.
    ASSERT_EQ(page.charts.size(), 3u);
    EXPECT_EQ(page.charts[0].top, 250);
    EXPECT_EQ(page.charts[0].left, 42);
    const double tx = 2.4;
    EXPECT_NEAR(page.charts[0].right, W / (3 * tx), 0.5);
    EXPECT_NEAR(page.charts[1].right, 2 * W / (3 * tx), 0.5);
    EXPECT_NEAR(page.charts[2].right, W / tx, 0.5);
    EXPECT_EQ(page.charts[1].left, page.charts[0].right);
    EXPECT_EQ(page.charts[2].left, page.charts[1].right);
    EXPECT_EQ(page.charts[0].bottom, static_cast<int>(std::lround(0.95 * 12240 / tx - u)));
    EXPECT_EQ(page.charts[0].chartName, "Chart1");
    EXPECT_EQ(page.charts[2].chartName, "Chart3");
    // The file is a PDF with one page.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Count 1"));
}

TEST_F(PrintProfilesTest, PortraitUpToTwoChartsLandscapeFromThree) {
    for (int16_t n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Print(n);
        const PrintedPage& page = LastPage();
        const bool landscape = n > 2;
        EXPECT_EQ(page.orientation, landscape ? 2 : 1);
        EXPECT_DOUBLE_EQ(page.width, landscape ? 15840 : 12240);
        ASSERT_EQ(page.boxes.size(), 1u);
        EXPECT_NEAR(page.boxes[0].right, (landscape ? 0.95 : 0.92) * page.width, 1e-6);
        ASSERT_EQ(page.charts.size(), static_cast<std::size_t>(n));
        EXPECT_NEAR(page.charts.back().right, page.boxes[0].right / page.tx, 0.501);
        ASSERT_EQ(printed->pages.size(), static_cast<std::size_t>(n));
        const QImage& sheet = printed->pages.back();
        EXPECT_EQ(sheet.width() > sheet.height(), landscape);
    }
    // The orientation stays on the printer after the call.
    EXPECT_EQ(platform::CurrentPrinter().Orientation(), 2);
}

TEST_F(PrintProfilesTest, HeaderTextsFontsAndWeights) {
    Print(3);
    const PrintedPage& page = LastPage();
    struct Expected {
        const char* text;
        bool bold;
    };
    const Expected expected[] = {{"Project Number: ", false},
                                 {"LA-1024", true},
                                 {"Title: Levee reach 7", true},
                                 {"Date: ", false},
                                 {"03/14/2024", true},
                                 {"Parish: Orleans", false},
                                 {"CPT NO: 7", true},
                                 {"Station: 12+50", false},
                                 {"         Offset: 25 L", false},
                                 {"Elevation (ft): ", false},
                                 {" 4.5", true}};
    ASSERT_EQ(page.texts.size(), std::size(expected));
    for (std::size_t k = 0; k < page.texts.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(page.texts[k].text, expected[k].text);
        EXPECT_EQ(page.texts[k].bold, expected[k].bold);
        EXPECT_EQ(page.texts[k].fontName, "Arial");
        EXPECT_EQ(page.texts[k].fontSize, 9);
    }
    // Across the page every item stands where the layout puts it.
    const double u = 100 / page.tx;
    const double W = 0.95 * 15840;
    EXPECT_NEAR(Find(page, "Project Number: ")->x, 5 * u, 0.5);
    EXPECT_NEAR(Find(page, "Title: Levee reach 7")->x, W / 3, 0.5);
    EXPECT_NEAR(Find(page, "Date: ")->x, W - 3176.8, 0.5);
    EXPECT_NEAR(Find(page, "03/14/2024")->x, W - 1444, 0.5);
    EXPECT_NEAR(Find(page, "Parish: Orleans")->x, 5 * u, 0.5);
    EXPECT_NEAR(Find(page, "CPT NO: 7")->x, 5 * u + 4000, 0.5);
    EXPECT_NEAR(Find(page, "Station: 12+50")->x, 5 * u + 7000, 0.5);
    EXPECT_NEAR(Find(page, "Elevation (ft): ")->x, W - 3176.8, 0.5);
    EXPECT_NEAR(Find(page, " 4.5")->x, W - 1300, 0.5);
    // The project number follows its label, 1444 twips on unless the label is wider.
    const PrintedText* label = Find(page, "Project Number: ");
    const PrintedText* number = Find(page, "LA-1024");
    EXPECT_GE(number->x, 5 * u + 1444 - 0.5);
    EXPECT_GT(number->x, label->x + label->width);
    // The offset stands at the next print zone, after the station.
    const PrintedText* station = Find(page, "Station: 12+50");
    const PrintedText* offset = Find(page, "         Offset: 25 L");
    EXPECT_GT(offset->x, station->x + station->width);
    EXPECT_EQ(offset->y, station->y);
}

// Every text of the header whole, within the room of its row, and clear of the others on
// its row.
void ExpectReadableHeader(const PrintedPage& page, double W) {
    PageGeometry g;
    g.W = W;
    g.u = 100 / page.tx;
    const RowBounds room = HeaderRowBounds(g);
    EXPECT_GT(room.left, g.u);
    for (std::size_t a = 0; a < page.texts.size(); ++a) {
        const PrintedText& t = page.texts[a];
        SCOPED_TRACE(t.text.toStdString());
        EXPECT_GT(t.width, 0);
        EXPECT_GE(t.x, room.left - 1e-6);
        EXPECT_LE(t.x + t.width, room.right + 1e-6);
        for (std::size_t b = 0; b < page.texts.size(); ++b) {
            const PrintedText& o = page.texts[b];
            if (a != b && o.y == t.y) {
                EXPECT_TRUE(t.x + t.width <= o.x || o.x + o.width <= t.x) << o.text.toStdString();
            }
        }
    }
}

// What a header looks like on the sheet, found in the picture of it: the frame's lines and
// the bands of pixel rows that hold ink between them, with the columns their ink spans.
struct HeaderInk {
    int top = -1, bottom = -1, left = -1, right = -1; // the frame's lines, pixels
    struct Band {
        int first = 0, last = 0; // pixel rows
        int from = 0, to = 0;    // pixel columns
        std::vector<bool> inked; // per column
    };
    std::vector<Band> bands;
};

bool Dark(QRgb p) {
    return qGray(p) < 128;
}

HeaderInk ReadHeader(const QImage& sheet) {
    HeaderInk ink;
    // The frame's top and bottom: the first two rows dark over most of the sheet's width.
    std::vector<int> lines;
    for (int y = 0; y < sheet.height() && lines.size() < 2; ++y) {
        int dark = 0;
        for (int x = 0; x < sheet.width(); ++x)
            dark += Dark(sheet.pixel(x, y)) ? 1 : 0;
        if (dark > sheet.width() / 2 && (lines.empty() || y > lines.back() + 1))
            lines.push_back(y);
        else if (dark > sheet.width() / 2)
            lines.back() = y; // a line two pixels thick counts once, by its lower row
    }
    if (lines.size() < 2)
        return ink;
    ink.top = lines[0];
    ink.bottom = lines[1];
    // Its sides: the columns dark from the top line to the bottom one.
    for (int x = 0; x < sheet.width(); ++x) {
        bool side = true;
        for (int y = ink.top; y <= ink.bottom && side; ++y)
            side = Dark(sheet.pixel(x, y));
        if (side) {
            if (ink.left < 0)
                ink.left = x;
            ink.right = x;
        }
    }
    // Rows with ink inside the frame, grouped into bands.
    for (int y = ink.top + 1; y < ink.bottom; ++y) {
        std::vector<bool> inked(static_cast<std::size_t>(sheet.width()), false);
        bool any = false;
        for (int x = ink.left + 1; x < ink.right; ++x)
            if (sheet.pixel(x, y) != qRgb(255, 255, 255))
                any = inked[static_cast<std::size_t>(x)] = true;
        if (!any)
            continue;
        if (ink.bands.empty() || ink.bands.back().last != y - 1)
            ink.bands.push_back({y, y, sheet.width(), -1, std::vector<bool>(inked.size(), false)});
        HeaderInk::Band& band = ink.bands.back();
        band.last = y;
        for (int x = 0; x < sheet.width(); ++x)
            if (inked[static_cast<std::size_t>(x)]) {
                band.inked[static_cast<std::size_t>(x)] = true;
                band.from = std::min(band.from, x);
                band.to = std::max(band.to, x);
            }
    }
    return ink;
}

// A page printed at 300, 600 and 1200 dots per inch, portrait (two charts) and landscape
// (three), for the levee project and for one whose second row is crowded on a portrait page:
// what is printed, read off the picture of the sheet. The frame stands where the layout puts
// it, above the charts; each row's ink is one band inside the frame, clear of its lines; no
// ink stands outside the texts the row measured, and every text is whole.
class PrintedHeaderTest : public PrintProfilesTest,
                          public ::testing::WithParamInterface<std::tuple<int, int16_t, bool>> {
protected:
    void Crowd() {
        project.Parish = "East Baton Rouge";
        project.CPTNo = "CPT-07A";
        project.Station = "1204+50.25";
        project.Offset = "OFF25LT";
        project.GroundElev = -12.5f;
    }
};

TEST_P(PrintedHeaderTest, BothRowsStandWholeInsideTheFrameAboveTheCharts) {
    const auto [dpi, count, crowded] = GetParam();
    if (crowded)
        Crowd();
    printed = test::PrintToImages(dpi, 1.0);
    Print(count);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(printed->pages.size(), 1u);
    const QImage& sheet = printed->pages[0];
    KeepPicture(
        sheet, QStringLiteral("header-%1-%2%3").arg(dpi).arg(count).arg(crowded ? "-crowded" : ""));
    const PrintedPage& page = LastPage();
    EXPECT_FLOAT_EQ(page.tx, 1440.0f / static_cast<float>(dpi));
    EXPECT_EQ(page.orientation, count > 2 ? 2 : 1);
    const QPoint o = printed->origin;
    const double u = 100 / page.tx;
    const double W = (count > 2 ? 0.95 : 0.92) * page.width;

    const HeaderInk ink = ReadHeader(sheet);
    ASSERT_GE(ink.top, 0) << "no frame";
    EXPECT_NEAR(ink.top - o.y(), u / page.ty, 1.01);
    EXPECT_NEAR(ink.bottom - o.y(), 548.72 / page.ty, 1.01);
    EXPECT_NEAR(ink.left - o.x(), u / page.tx, 1.01);
    EXPECT_NEAR(ink.right - o.x(), W / page.tx, 1.01);
    ASSERT_EQ(page.charts.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(page.charts[0].top, std::lround(6 * u));
    EXPECT_LT(ink.bottom - o.y(), page.charts[0].top);

    // Two rows of ink, each clear of the frame's lines by a pixel at least.
    ASSERT_EQ(ink.bands.size(), 2u);
    for (const HeaderInk::Band& band : ink.bands) {
        EXPECT_GT(band.first, ink.top + 1);
        EXPECT_LT(band.last, ink.bottom - 1);
        EXPECT_GT(band.from, ink.left + 1);
        EXPECT_LT(band.to, ink.right - 1);
    }
    // Every text whole; the ink of a row only where its texts were measured to stand.
    QStringList expected = {"Project Number: ",
                            "LA-1024",
                            "Title: Levee reach 7",
                            "Date: ",
                            "03/14/2024",
                            "Parish: Orleans",
                            "CPT NO: 7",
                            "Station: 12+50",
                            "         Offset: 25 L",
                            "Elevation (ft): ",
                            " 4.5"};
    if (crowded) {
        expected[5] = "Parish: East Baton Rouge";
        expected[6] = "CPT NO: CPT-07A";
        expected[7] = "Station: 1204+50.25";
        expected[8] = "         Offset: OFF25LT";
        expected[10] = "-12.5";
    }
    EXPECT_EQ(Texts(page), expected);
    const double firstRow = page.texts[0].y;
    for (std::size_t b = 0; b < ink.bands.size(); ++b) {
        const HeaderInk::Band& band = ink.bands[b];
        for (int x = band.from; x <= band.to; ++x) {
            if (!band.inked[static_cast<std::size_t>(x)])
                continue;
            bool inText = false;
            for (const PrintedText& t : page.texts)
                if ((t.y == firstRow) == (b == 0) && x - o.x() >= t.x / page.tx - 2 &&
                    x - o.x() <= (t.x + t.width) / page.tx + 2)
                    inText = true;
            EXPECT_TRUE(inText) << "ink of row " << b + 1 << " at column " << x - o.x();
            if (!inText)
                break;
        }
    }
    ExpectReadableHeader(page, W);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PrintedHeaderTest,
                         ::testing::Combine(::testing::Values(300, 600, 1200),
                                            ::testing::Values<int16_t>(2, 3), ::testing::Bool()));

// The same page at every resolution: the same texts, each whole or shortened alike, the
// items of a crowded row in the same places (but for the left margin of 5u, which grows with
// the resolution, where an item keeps its own place).
TEST_F(PrintProfilesTest, AHeaderComesOutTheSameAtEveryResolution) {
    project.Parish = "St. John the Baptist";
    project.CPTNo = "CPT-07A";
    project.Station = "1204+50.25 to 1209+10";
    project.Offset = "OFF25LT, 40 ft landside of the centerline";
    project.ProjTitle = "Mississippi River levee, East Bank, reach 7 between the Industrial "
                        "Canal and the parish line, seepage berm design, phase II";
    for (int16_t count : {2, 3}) {
        SCOPED_TRACE(count);
        std::vector<QStringList> texts;
        std::vector<double> offsetAt;
        for (int dpi : {300, 600, 1200}) {
            printed = test::PrintToImages(dpi, 0.5);
            Print(count);
            texts.push_back(Texts(LastPage()));
            for (const PrintedText& t : LastPage().texts)
                if (t.text.contains("Offset"))
                    offsetAt.push_back(t.x);
        }
        EXPECT_EQ(texts[1], texts[0]);
        EXPECT_EQ(texts[2], texts[0]);
        ASSERT_EQ(offsetAt.size(), 3u);
        EXPECT_NEAR(offsetAt[1], offsetAt[0], 0.01);
        EXPECT_NEAR(offsetAt[2], offsetAt[0], 0.01);
        // Something had to give: the title, and the long offset on a portrait page.
        EXPECT_TRUE(texts[0][2].endsWith(QChar(0x2026))) << texts[0][2].toStdString();
    }
}

TEST_F(PrintProfilesTest, PortraitHeaderKeepsEveryTextReadable) {
    printed = test::PrintToImages(200);
    for (int16_t n : {1, 2}) {
        Print(n);
        const PrintedPage& page = LastPage();
        ASSERT_FALSE(printed->pages.empty());
        KeepPicture(printed->pages.back(), QStringLiteral("portrait-%1").arg(n));
        ASSERT_EQ(page.texts.size(), 11u);
        ExpectReadableHeader(page, 0.92 * 12240);
        for (const PrintedText& t : page.texts)
            EXPECT_FALSE(t.text.contains(QChar(0x2026))) << t.text.toStdString();
        // The items keep their order along each row.
        EXPECT_LT(Find(page, "CPT NO: 7")->x, Find(page, "Station: 12+50")->x);
        EXPECT_LT(Find(page, "         Offset: 25 L")->x, Find(page, "Elevation (ft): ")->x);
        EXPECT_LT(Find(page, "Elevation (ft): ")->x, Find(page, " 4.5")->x);
    }
}

TEST_F(PrintProfilesTest, ALongTitleIsShortenedBeforeTheDate) {
    project.ProjTitle = "Mississippi River levee, East Bank, reach 7 between the Industrial "
                        "Canal and the parish line, seepage berm design, phase II";
    printed = test::PrintToImages(200);
    Print(3);
    const PrintedPage& page = LastPage();
    ExpectReadableHeader(page, 0.95 * 15840);
    ASSERT_EQ(page.texts.size(), 11u);
    EXPECT_TRUE(page.texts[2].text.startsWith("Title: Mississippi River levee"));
    EXPECT_TRUE(page.texts[2].text.endsWith(QChar(0x2026)));
    ASSERT_FALSE(printed->pages.empty());
    KeepPicture(printed->pages.back(), "long-title");
    EXPECT_EQ(page.texts[3].text, "Date: ");
    EXPECT_EQ(page.texts[4].text, "03/14/2024");
}

TEST_F(PrintProfilesTest, NoElevationAndFieldsThatNeverPrint) {
    project.GroundElev = kNoElevation;
    Print(3);
    const QStringList texts = Texts(LastPage());
    EXPECT_TRUE(texts.contains("Elevation (ft): "));
    EXPECT_EQ(texts.size(), 10); // no value after the label
    for (const QString& t : texts)
        for (const char* hidden : {"-99999", "29.95", "-90.07", "6.25", "Latit", "Longit"})
            EXPECT_FALSE(t.contains(QString::fromLatin1(hidden))) << t.toStdString();
}

TEST_F(PrintProfilesTest, ChartsAreDrawnIntoTheirRectangles) {
    printed = test::PrintToImages(150);
    for (int16_t n : {2, 3, 5}) {
        SCOPED_TRACE(n);
        Print(n);
        ASSERT_FALSE(printed->pages.empty());
        const QImage& sheet = printed->pages.back();
        KeepPicture(sheet, QStringLiteral("page-%1-charts").arg(n));
        const PrintedPage& page = LastPage();
        ASSERT_EQ(page.charts.size(), static_cast<std::size_t>(n));
        for (const platform::PrintedChart& c : page.charts)
            EXPECT_GT(InkShare(sheet, printed->origin, c.left, c.top, c.right, c.bottom), 0.02)
                << c.chartName.toStdString();
        // Below the charts the page stays blank; the header frame is drawn.
        const auto& last = page.charts.back();
        EXPECT_EQ(InkShare(sheet, printed->origin, 0, last.bottom + 2, last.right,
                           sheet.height() - 2 * printed->origin.y()),
                  0.0);
        const int frameY = static_cast<int>(548.72 / page.ty);
        EXPECT_GT(InkShare(sheet, printed->origin, 20, frameY - 1, 200, frameY + 1), 0.3);
    }
}

TEST_F(PrintProfilesTest, CountOutsideOneToFivePrintsTheHeaderOnly) {
    for (int16_t n : {0, 6, -1}) {
        SCOPED_TRACE(n);
        const std::size_t before = printed->pages.size();
        Print(n);
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(printed->pages.size(), before + 1);
        EXPECT_TRUE(LastPage().charts.empty());
        EXPECT_EQ(LastPage().texts.size(), 11u);
        EXPECT_EQ(LastPage().orientation, n > 2 ? 2 : 1);
    }
}

TEST_F(PrintProfilesTest, ChartsBeyondTheCountAreNotLookedAt) {
    // A result window passes the charts of its other slots too.
    PrintProfiles(project, 2, charts[3], charts[1], charts[0], charts[2], nullptr);
    ASSERT_EQ(LastPage().charts.size(), 2u);
    EXPECT_EQ(LastPage().charts[0].chartName, "Chart4");
    EXPECT_EQ(LastPage().charts[1].chartName, "Chart2");
}

TEST_F(PrintProfilesTest, NoPrinterOrNoDefaultPrinterShowsTheFailure) {
    test::PrintToNoPrinter();
    test::InstalledPrinters({});
    Print(3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "No printer is installed on this computer.");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(platform::CurrentPrinter().Printing());
    // Printers installed, none of them the default: nothing goes to one the user did not
    // choose.
    test::InstalledPrinters({{"Office Laser", "winspool,Ne00:,15,45"}, {"Plotter", "hpgl,LPT1:,"}});
    Print(3);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text,
              "No default printer is set on this computer. Choose a printer with Export.");
    EXPECT_EQ(messages[1].icon, MsgIcon::Critical);
    EXPECT_FALSE(platform::CurrentPrinter().Printing());
}

TEST_F(PrintProfilesTest, AFailedPageIsThrownAwayAndTheNextStartsClean) {
    PrintProfiles(project, 3, charts[0], nullptr, charts[2], nullptr, nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Chart 2 of the 3 to print is missing.");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(printed->pages.empty()); // the unfinished page never went out
    EXPECT_EQ(printed->aborted, 1);
    EXPECT_FALSE(platform::CurrentPrinter().Printing());

    Print(3);
    EXPECT_EQ(messages.size(), 1u);
    ASSERT_EQ(printed->pages.size(), 1u);
    EXPECT_EQ(LastPage().texts.size(), 11u); // one header, not two
    EXPECT_EQ(LastPage().charts.size(), 3u);
}
