// The manual layer editor: layers set by hand from the top down, what the Schmertmann window
// holds after each hand-over, and the window shown again with the manual layers.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "engine/charts/ChartArgs.h"
#include "engine/classification/LayerSoilTypes.h"
#include "engine/state/Numbers.h"
#include "platform/Text.h"
#include "ui/import/Frm_Titles.h"
#include "ui/results/Frm_Manual.h"
#include "ui/results/Frm_Olsen.h"
#include "ui/results/Frm_Robert86.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/Soundings.h"

using namespace strelvan;
using platform::ChartFX;
using platform::MsgAnswer;
using strelvan::test::ResultWindowTest;

namespace {

class ManualEditor : public ResultWindowTest {
protected:
    // The editor opened by the Manual Layers key of the Schmertmann window.
    template <class F = Frm_Tumay02> Frm_Manual& OpenEditor(const std::string& order = "0 1 3 4") {
        Click(Open<F>(order), "Next");
        ProcessEvents();
        auto* editor = app->windows.FindAs<Frm_Manual>();
        EXPECT_TRUE(editor != nullptr && editor->isVisible());
        return *editor;
    }
    Frm_Tumay02& Result() { return Window<Frm_Tumay02>(); }

    static void Press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::string Described(int top, int bottom) {
        return LayerSoilTypes(static_cast<int16_t>(top), static_cast<int16_t>(bottom),
                              Decl().results, Decl().selection);
    }

    // The layers the result window holds: label position, description, line position.
    struct Held {
        float y;
        std::string name;
        float x;
        bool operator==(const Held&) const = default;
    };
    std::vector<Held> HeldLayers() { return HeldLayers(Result()); }
    static std::vector<Held> HeldLayers(const ResultWindow& w) {
        std::vector<Held> held;
        for (int m = 1; m <= w.ManCount; ++m) {
            const auto i = static_cast<std::size_t>(m);
            held.push_back({w.ManY[i], S(w.ManName[i]), w.ManX[i]});
        }
        return held;
    }

    // The boundary lines on show (an unplaced line stands for the foot of the sounding).
    static std::vector<double> PlacedLines(const ChartFX& chart) {
        std::vector<const platform::ChartAnnotationObject*> placed;
        for (const auto* line : Lines(chart))
            if (line->Placed())
                placed.push_back(line);
        return Positions(placed);
    }

    static void ExpectEnabled(const Frm_Manual& e, bool next, bool pre, bool down, bool up,
                              bool exportKey) {
        EXPECT_EQ(e.CmdNext->isEnabled(), next);
        EXPECT_EQ(e.CmdPre->isEnabled(), pre);
        EXPECT_EQ(e.CmdDown->isEnabled(), down);
        EXPECT_EQ(e.CmdUp->isEnabled(), up);
        EXPECT_EQ(e.CmdExport->isEnabled(), exportKey);
        EXPECT_TRUE(e.CmdCancel->isEnabled());
    }
};

const Message kContinue{"Continue to Export", "", MsgIcon::None, MsgButtons::OkCancel};

} // namespace

TEST_F(ManualEditor, LoadSetsTheFirstLayerAndHandsItOver) {
    SoundingOfLayers(40);
    Frm_Manual& e = OpenEditor();
    EXPECT_EQ(e.windowTitle(), " Manual Classification  - File: C:/soundings/levee-7.txt");
    ChartFX& chart = *e.ChartText;
    EXPECT_EQ(chart.Data().TitleText(2), "Manual Soil Behavior Types ");
    EXPECT_EQ(chart.Data().TitleColor(2), 0xFF0000);
    EXPECT_EQ(chart.Data().PointCount(), 40);
    EXPECT_EQ(chart.Data().SeriesList(0).PointValue(39), 0.2);

    EXPECT_EQ(e.Walk.LayerTop, 1);
    EXPECT_EQ(e.Walk.LayerBottom, 10);
    EXPECT_EQ(e.Walk.LayerNo, 1);
    EXPECT_EQ(e.Walk.LayerDict, (std::map<int16_t, int16_t>{{1, 10}}));
    EXPECT_EQ(e.TxtDepth->text(), "3.116"); // the grid depth 3.1160004 to the thousandth
    ASSERT_FALSE(Described(1, 10).empty());
    EXPECT_EQ(S(e.LayerName), Described(1, 10));
    ASSERT_EQ(Labels(chart).size(), 1u);
    EXPECT_EQ(Labels(chart)[0]->Text(), e.LayerName);
    EXPECT_EQ(Positions(Labels(chart)), (std::vector<double>{39}));
    EXPECT_EQ(PlacedLines(chart), (std::vector<double>{30}));
    EXPECT_EQ(HeldLayers(), (std::vector<Held>{{39, Described(1, 10), 30}}));
    ExpectEnabled(e, true, true, true, false, false);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ManualEditor, NextFromTheLastFullLayerEndsAtTheFootAndAsksToExport) {
    SoundingOfLayers(25);
    for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
        SCOPED_TRACE(answer == MsgAnswer::Ok ? "OK" : "Cancel");
        messages.clear();
        Frm_Manual& e = OpenEditor();
        Press(e.CmdNext);
        EXPECT_EQ(HeldLayers().back(), (Held{14, Described(11, 20), 5}));
        ASSERT_TRUE(messages.empty());
        AnswerNextMessages({answer});
        Press(e.CmdNext);
        ASSERT_EQ(messages, (std::vector<Message>{kContinue}));
        EXPECT_EQ(e.Walk.LayerTop, 21);
        EXPECT_EQ(e.Walk.LayerBottom, 25);
        EXPECT_EQ(e.TxtDepth->text(), "8.036"); // 8.036001 in the grid
        // The last layer has its label but no line at the foot.
        EXPECT_EQ(Positions(Labels(*e.ChartText)), (std::vector<double>{24, 14, 4}));
        EXPECT_EQ(PlacedLines(*e.ChartText), (std::vector<double>{15, 5}));
        EXPECT_EQ(e.AnnotY->Count(), 3);
        EXPECT_EQ(HeldLayers(), (std::vector<Held>{{24, Described(1, 10), 15},
                                                   {14, Described(11, 20), 5},
                                                   {4, Described(21, 25), 0}}));
        if (answer == MsgAnswer::Ok) {
            ExpectEnabled(e, false, false, false, false, true);
        } else {
            ExpectEnabled(e, false, true, false, false, false);
            // Back to the layer before, which can be followed again.
            Press(e.CmdPre);
            EXPECT_EQ(e.Walk.LayerNo, 2);
            EXPECT_EQ(Result().ManCount, 2);
            ExpectEnabled(e, true, true, true, false, false);
        }
        Press(e.CmdCancel);
        ProcessEvents();
    }
}

TEST_F(ManualEditor, UpWaitsForADownAndStopsAtTheStartSize) {
    SoundingOfLayers(60);
    Frm_Manual& e = OpenEditor();
    ExpectEnabled(e, true, true, true, false, false);
    Press(e.CmdUp);
    EXPECT_EQ(e.Walk.LayerBottom, 10);

    // Down then Up on layer 1: the same bottom again, and Up waits for the next Down.
    Press(e.CmdDown);
    EXPECT_EQ(e.Walk.LayerBottom, 11);
    EXPECT_EQ(e.TxtDepth->text(), "3.444");
    EXPECT_EQ(e.Walk.LayerDict.at(1), 11);
    EXPECT_EQ(Labels(*e.ChartText).size(), 1u);
    EXPECT_EQ(PlacedLines(*e.ChartText), (std::vector<double>{49}));
    EXPECT_EQ(HeldLayers(), (std::vector<Held>{{59, Described(1, 11), 49}}));
    EXPECT_TRUE(e.CmdUp->isEnabled());
    Press(e.CmdUp);
    EXPECT_EQ(e.Walk.LayerBottom, 10);
    EXPECT_FALSE(e.CmdUp->isEnabled());
    EXPECT_EQ(PlacedLines(*e.ChartText), (std::vector<double>{50}));
    EXPECT_EQ(HeldLayers(), (std::vector<Held>{{59, Described(1, 10), 50}}));

    // Down on layer 1 and Next: Up stays enabled on layer 2, and one Up leaves layer 2 a grid
    // layer thinner than its start size.
    Press(e.CmdDown);
    Press(e.CmdNext);
    EXPECT_EQ(e.Walk.LayerTop, 12);
    EXPECT_EQ(e.Walk.LayerBottom, 21);
    EXPECT_TRUE(e.CmdUp->isEnabled());
    Press(e.CmdUp);
    EXPECT_EQ(e.Walk.LayerBottom, 20);
    EXPECT_FALSE(e.CmdUp->isEnabled());
    EXPECT_EQ(e.Walk.LayerDict, (std::map<int16_t, int16_t>{{1, 11}, {2, 20}}));
    EXPECT_EQ(HeldLayers(),
              (std::vector<Held>{{59, Described(1, 11), 49}, {48, Described(12, 20), 40}}));
    EXPECT_EQ(PlacedLines(*e.ChartText), (std::vector<double>{49, 40}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ManualEditor, PreviousLayerStepsBackAndTheResultWindowFollows) {
    SoundingOfLayers(60);
    Frm_Manual& e = OpenEditor();
    Press(e.CmdPre); // nothing before layer 1
    EXPECT_EQ(e.Walk.LayerNo, 1);
    EXPECT_EQ(Labels(*e.ChartText).size(), 1u);
    EXPECT_EQ(Result().ManCount, 1);
    EXPECT_TRUE(e.CmdPre->isEnabled());

    Press(e.CmdNext);
    Press(e.CmdDown);
    Press(e.CmdNext);
    ASSERT_EQ(Result().ManCount, 3);
    const std::vector<Held> two = {HeldLayers()[0], HeldLayers()[1]};
    EXPECT_EQ(two[1], (Held{49, Described(11, 21), 39}));

    Press(e.CmdPre);
    EXPECT_EQ(e.Walk.LayerNo, 2);
    EXPECT_EQ(e.Walk.LayerTop, 11);
    EXPECT_EQ(e.Walk.LayerBottom, 21);
    EXPECT_EQ(e.TxtDepth->text(), "6.724");
    EXPECT_EQ(Labels(*e.ChartText).size(), 2u);
    EXPECT_EQ(PlacedLines(*e.ChartText), (std::vector<double>{50, 39}));
    EXPECT_EQ(HeldLayers(), two) << "the window holds what the editor shows";
    ExpectEnabled(e, true, true, true, true, false);

    Press(e.CmdPre);
    EXPECT_EQ(e.Walk.LayerNo, 1);
    EXPECT_EQ(HeldLayers(), (std::vector<Held>{two[0]}));
    EXPECT_FALSE(e.CmdPre->isEnabled());
}

TEST_F(ManualEditor, ExportShowsTheResultWindowAgainWithTheManualLayers) {
    SoundingOfLayers(60);
    Decl().selection.PointsPerLayer = 15;
    Frm_Manual& e = OpenEditor("0 1 2 3");
    Press(e.CmdDown);
    Press(e.CmdNext);
    Press(e.CmdNext);
    Press(e.CmdUp);
    Press(e.CmdNext);
    ASSERT_EQ(messages, (std::vector<Message>{kContinue}));
    ASSERT_EQ(HeldLayers().size(), 4u);
    const std::vector<int16_t> typesBefore = Decl().results.TypeTumay02;

    Press(e.CmdExport);
    ProcessEvents();
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Manual"));
    EXPECT_EQ(app->windows.Find("Frm_Manual"), nullptr);
    EXPECT_TRUE(Decl().selection.ManualFlag);
    // The friction ratio gave way to the layer text, which shows the manual layers.
    EXPECT_EQ(Decl().selection.ChartOrder, "0 1 5 3");
    Frm_Tumay02& w = Result();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(Decl().results.TypeTumay02, typesBefore) << "not classified again";
    ChartFX& manual = Chart(w, 5);
    ASSERT_TRUE(manual.isVisible());
    EXPECT_FALSE(Chart(w, 2).isVisible());
    EXPECT_EQ(w.ChartSlot, (std::array<int16_t, 4>{0, 1, 5, 3}));
    QStringList texts;
    for (const auto* label : Labels(manual))
        texts << label->Text();
    EXPECT_EQ(texts, QStringList({Q(Described(1, 16)), Q(Described(17, 31)), Q(Described(32, 45)),
                                  Q(Described(46, 60))}));
    EXPECT_EQ(Positions(Labels(manual)), (std::vector<double>{59, 43, 28, 14}));
    EXPECT_EQ(Positions(Lines(manual)), (std::vector<double>{44, 29, 15, 0}));
    // Each label beside the depth of its top layer on the soil-type chart.
    ProcessEvents();
    const LayerGrid& g = Decl().grid;
    for (int top : {1, 17, 32, 46})
        EXPECT_NEAR(manual.VerticalPixel(60 - top), Chart(w, 3).VerticalPixel(g.LayerDepth[top]),
                    1.0)
            << top;
}

TEST_F(ManualEditor, LayersGoToTheWindowOfTheMethod) {
    SoundingOfLayers(25);
    const auto walkToTheFoot = [&](ResultWindow& w) {
        Frm_Manual& e = *app->windows.FindAs<Frm_Manual>();
        Press(e.CmdNext);
        Press(e.CmdNext);
        EXPECT_EQ(HeldLayers(w), (std::vector<Held>{{24, Described(1, 10), 15},
                                                    {14, Described(11, 20), 5},
                                                    {4, Described(21, 25), 0}}));
        Press(e.CmdExport);
        ProcessEvents();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Labels(Chart(w, 5)).size(), 3u);
    };
    Decl().selection.MethodCode = 3;
    OpenEditor<Frm_Robert86>();
    walkToTheFoot(Window<Frm_Robert86>());
    Decl().selection.MethodCode = 4;
    Decl().selection.ManualFlag = false;
    OpenEditor<Frm_Olsen>();
    walkToTheFoot(Window<Frm_Olsen>());
}

TEST_F(ManualEditor, CancelClearsTheFlagAndKeepsWhatWasHandedOver) {
    SoundingOfLayers(40);
    Frm_Manual& e = OpenEditor("0 1 3 4");
    Decl().selection.ManualFlag = true; // as after an earlier export
    Press(e.CmdNext);
    const auto held = HeldLayers();
    Press(e.CmdCancel);
    ProcessEvents();
    EXPECT_FALSE(Decl().selection.ManualFlag);
    EXPECT_EQ(app->windows.Find("Frm_Manual"), nullptr);
    EXPECT_EQ(Decl().selection.ChartOrder, "0 1 3 4");
    EXPECT_EQ(held.size(), 2u);
    EXPECT_EQ(HeldLayers(), held);
    EXPECT_TRUE(Chart(Result(), 4).isVisible()) << "the result window is left as it was";
}

TEST_F(ManualEditor, ALabelNearTheFootKeepsItsDescription) {
    SoundingOfLayers(40);
    Frm_Manual& e = OpenEditor();
    Press(e.CmdNext);
    Press(e.CmdNext);
    AnswerNextMessages({MsgAnswer::Cancel});
    for (int i = 0; i < 10; ++i)
        Press(e.CmdDown);
    ASSERT_EQ(messages, (std::vector<Message>{kContinue}));
    ExpectEnabled(e, false, true, false, true, false);
    // Lifted off the foot, layer 3 has room under it again: layer 4 is the last grid layer
    // alone, its label in the lowest part of the chart.
    Press(e.CmdUp);
    ExpectEnabled(e, true, true, true, true, false);
    Press(e.CmdNext);
    ASSERT_EQ(messages, (std::vector<Message>{kContinue, kContinue}));
    ASSERT_EQ(e.Walk.LayerTop, 40);
    const auto* label = Labels(*e.ChartText).back();
    const int lowerEdge = ChartHiWord(e.ChartText->ChartMetric(0, 7));
    ASSERT_GT(e.ChartText->VerticalPixel(label->VerticalPlace().value), 0.91 * lowerEdge);
    ASSERT_FALSE(Described(40, 40).empty());
    EXPECT_EQ(label->Text(), Q(Described(40, 40)));
    EXPECT_EQ(label->FontSize(), 7);
    EXPECT_EQ(HeldLayers().back(), (Held{0, Described(40, 40), 0}));
}

TEST_F(ManualEditor, ASoundingShorterThanOneLayerGoesStraightToExport) {
    SoundingOfLayers(7);
    Frm_Manual& e = OpenEditor();
    EXPECT_EQ(e.Walk.LayerBottom, 7);
    EXPECT_EQ(messages, (std::vector<Message>{kContinue}));
    ExpectEnabled(e, false, false, false, false, true);
    EXPECT_EQ(Positions(Labels(*e.ChartText)), (std::vector<double>{6}));
    EXPECT_TRUE(PlacedLines(*e.ChartText).empty()) << "no line at the foot";
    EXPECT_EQ(HeldLayers(), (std::vector<Held>{{6, Described(1, 7), 0}}));
    Press(e.CmdExport);
    ProcessEvents();
    EXPECT_EQ(Labels(Chart(Result(), 5)).size(), 1u);
}

TEST_F(ManualEditor, KeepsItsOwnGridIndexesWhateverIsDrawnElsewhere) {
    SoundingOfLayers(40);
    Frm_Manual& e = OpenEditor();
    Press(e.CmdNext);
    EXPECT_EQ(HeldLayers().back(), (Held{29, Described(11, 20), 20}));
    // A grid set up again with fewer layers: steps that would read past it are refused.
    SoundingOfLayers(15);
    Result().Unload();
    Result().Show();
    ASSERT_EQ(Decl().grid.NumLayers, 15);
    const auto held = HeldLayers();
    Press(e.CmdNext);
    Press(e.CmdDown);
    EXPECT_EQ(e.Walk.LayerBottom, 20);
    EXPECT_EQ(Labels(*e.ChartText).size(), 2u);
    EXPECT_EQ(HeldLayers(), held);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ManualEditor, ARealSoundingSetByHandToItsFoot) {
    // Sand under soft soil; its first reading has no tip resistance. Layers of 3 ft leave a
    // last layer of 4 grid layers, thinner than a line of its label.
    ASSERT_TRUE(test::ReadRealSoundingNamed(Decl(), "pygef-cpt4-sand.txt"));
    constexpr int kPer = 9;
    Decl().selection.PointsPerLayer = kPer;
    Frm_Manual& e = OpenEditor("3 4");
    const int n = Decl().grid.NumLayers;
    ASSERT_EQ(n % kPer, 4);
    int presses = 0;
    while (e.CmdNext->isEnabled() && presses++ < n)
        Press(e.CmdNext);
    ASSERT_EQ(messages, (std::vector<Message>{kContinue}));
    const auto held = HeldLayers();
    ASSERT_EQ(held.size(), static_cast<std::size_t>((n + kPer - 1) / kPer));
    for (std::size_t m = 0; m < held.size(); ++m) {
        EXPECT_EQ(held[m].y, static_cast<float>(n - 1 - kPer * static_cast<int>(m)));
        EXPECT_FALSE(held[m].name.empty()) << m;
    }
    EXPECT_EQ(held.back().x, 0.0f);
    // Every label stands whole on the editor's chart, the last one on the foot, also in a
    // window of less height.
    e.resize(e.width(), 480);
    ProcessEvents();
    const QRectF plot = e.ChartText->PlotArea();
    for (const auto* label : Labels(*e.ChartText)) {
        const QRectF r = e.ChartText->LabelRect(*label);
        EXPECT_TRUE(r.top() >= plot.top() && r.bottom() <= plot.bottom() + 0.5) << r.bottom();
    }
    EXPECT_NEAR(e.ChartText->LabelRect(*Labels(*e.ChartText).back()).bottom(), plot.bottom(), 1);
    Press(e.CmdExport);
    ProcessEvents();
    EXPECT_EQ(Labels(Chart(Result(), 5)).size(), held.size());
}

TEST_F(ManualEditor, FromASampleFileToTheManualLayersOnTheResultWindow) {
    const QString path = test::ProjectFile("samples/STV-01-ft-tsf-comma.txt");
    ASSERT_TRUE(ReadThroughFileWindow(path));
    Window<Frm_Titles>().CmdOK->click();
    ProcessEvents();
    ASSERT_EQ(ClassifyThroughSelection<Frm_Tumay02>(2, TextInPlaceOfSleeve), &Result());
    Frm_Tumay02& w = Result();
    ASSERT_TRUE(w.isVisible());
    ASSERT_EQ(Decl().selection.ChartOrder, "0 4 2 3");
    ASSERT_EQ(Decl().grid.NumLayers, 182);

    messages.clear(); // the report of the file read
    Click(w, "Next");
    ProcessEvents();
    auto* e = app->windows.FindAs<Frm_Manual>();
    ASSERT_TRUE(e != nullptr && e->isVisible());
    EXPECT_EQ(e->windowTitle(), " Manual Classification  - File: " + path);
    // The clay down to 20 ft in one layer, then layers of the sand under it and below.
    for (int i = 0; i < 50; ++i)
        Press(e->CmdDown);
    Press(e->CmdNext);
    Press(e->CmdNext);
    Press(e->CmdUp);
    int presses = 0;
    while (e->CmdNext->isEnabled() && presses++ < 200)
        Press(e->CmdNext);
    ASSERT_EQ(messages, (std::vector<Message>{kContinue}));
    const auto held = HeldLayers();
    ASSERT_EQ(held.size(), static_cast<std::size_t>(e->Walk.LayerNo));
    EXPECT_EQ(held[0], (Held{181, Described(1, 60), 122}));
    EXPECT_EQ(held[1], (Held{121, Described(61, 70), 112}));
    EXPECT_EQ(held[2], (Held{111, Described(71, 79), 103}));
    EXPECT_EQ(held.back().x, 0.0f);
    Press(e->CmdExport);
    ProcessEvents();

    EXPECT_EQ(Decl().selection.ChartOrder, "0 5 2 3");
    ASSERT_TRUE(w.isVisible());
    ChartFX& manual = Chart(w, 5);
    ASSERT_TRUE(manual.isVisible());
    EXPECT_FALSE(Chart(w, 4).isVisible());
    const auto labels = Labels(manual);
    ASSERT_EQ(labels.size(), held.size());
    for (std::size_t m = 0; m < held.size(); ++m) {
        EXPECT_EQ(labels[m]->Text(), Q(held[m].name));
        EXPECT_FALSE(labels[m]->Text().isEmpty()) << m;
    }
    EXPECT_TRUE(labels[0]->Text().contains("Clay")) << labels[0]->Text().toStdString();
    EXPECT_TRUE(labels[1]->Text().contains("Sand")) << labels[1]->Text().toStdString();
}
