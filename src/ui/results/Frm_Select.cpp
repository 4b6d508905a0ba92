#include "ui/results/Frm_Select.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/classification/Methods.h"
#include "engine/state/Message.h"
#include "platform/AppContext.h"
#include "platform/DialogKeys.h"
#include "platform/ImageControl.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "ui/results/ChartPictures.h"

namespace strelvan {

namespace {
// The list index of an entry is its chart digit.
const QStringList kChartEntries = {
    QStringLiteral("Measured Tip Resistance [qc] "),
    QStringLiteral("Measured Unit Sleeve Friction [fs] "),
    QStringLiteral("Friction Ratio [%}"),
    QStringLiteral(" Soil Behavior Types [Graph] "),
    QStringLiteral(" Soil Behavior Types [Text] "),
};
const QStringList kThicknessEntries = {QStringLiteral("2"), QStringLiteral("3"),
                                       QStringLiteral("4"), QStringLiteral("5")};
} // namespace

Frm_Select::Frm_Select(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    Image2 = ChartPictures();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    Frame2 = new QGroupBox(QStringLiteral("Select Order of  Charts for Display"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* chartLayout = new QVBoxLayout(Frame2);
    ComboChart = new QComboBox(Frame2);
    ComboChart->setObjectName(QStringLiteral("ComboChart"));
    chartLayout->addWidget(ComboChart);
    auto* slotRow = new QHBoxLayout;
    for (int i = 0; i < kChartSlotCount; ++i) {
        auto* slot = new platform::ImageControl(Frame2);
        slot->setObjectName(QStringLiteral("Image1(%1)").arg(i));
        slot->setFrameShape(QFrame::Panel);
        slot->setFrameShadow(QFrame::Sunken);
        slot->setFixedSize(Image2[0].size() + QSize(8, 8));
        connect(slot, &platform::ImageControl::Click, this, [this, i] { Image1_Click(i); });
        Image1[i] = slot;
        slotRow->addWidget(slot);
    }
    chartLayout->addLayout(slotRow);
    layout->addWidget(Frame2);

    Frame3 = new QGroupBox(QStringLiteral("Select Thickness of Soil Layers"), central);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* thickRow = new QHBoxLayout(Frame3);
    Label1 = new QLabel(QStringLiteral("Define Soil Behavior Types every :"), Frame3);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboThick = new QComboBox(Frame3);
    ComboThick->setObjectName(QStringLiteral("ComboThick"));
    LblUnit = new QLabel(QStringLiteral("ft"), Frame3);
    LblUnit->setObjectName(QStringLiteral("LblUnit"));
    thickRow->addWidget(Label1);
    thickRow->addWidget(ComboThick);
    thickRow->addWidget(LblUnit);
    thickRow->addStretch();
    layout->addWidget(Frame3);

    auto* buttons = new QHBoxLayout;
    CmdCancel = new QPushButton(QStringLiteral("Back"), central);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    CmdNext = new QPushButton(QStringLiteral("Next"), central);
    CmdNext->setObjectName(QStringLiteral("CmdNext"));
    buttons->addStretch();
    buttons->addWidget(CmdCancel);
    buttons->addWidget(CmdNext);
    layout->addLayout(buttons);
    setCentralWidget(central);

    // A pick in a list fires its handler, also when the same entry is picked again.
    connect(ComboChart, &QComboBox::activated, this, [this] { ComboChart_Click(); });
    connect(ComboThick, &QComboBox::activated, this, [this] { ComboThick_Click(); });
    connect(CmdNext, &QPushButton::clicked, this, [this] { CmdNext_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
    platform::UseDialogKeys(*this, CmdNext, CmdCancel); // Escape goes Back
}

void Frm_Select::Form_Load() {
    // A window that describes no layers (the probabilistic and fuzzy ones) takes no thickness.
    const MethodRow* method = MethodOfCode(Decl().selection.MethodCode);
    Frame3->setVisible(method == nullptr || method->DescribesLayers());

    ComboChart->clear();
    ComboChart->addItems(kChartEntries);
    ComboChart->setCurrentIndex(-1);
    WriteSlots(DefaultSlotCharts());

    ComboThick->clear();
    ComboThick->addItems(kThicknessEntries);
    ComboThick->setCurrentIndex(ComboThick->findText(QStringLiteral("3")));
    // Ten grid layers until a thickness is picked, although the list shows 3 ft.
    Decl().selection.PointsPerLayer = 10;
}

SlotCharts Frm_Select::ReadSlots() const {
    SlotCharts charts;
    for (int i = 0; i < kChartSlotCount; ++i) {
        if (!Image1[i]->HasPicture())
            continue;
        bool ok = false;
        const short chart = Image1[i]->Tag.toShort(&ok);
        if (ok)
            charts[i] = chart;
    }
    return charts;
}

void Frm_Select::WriteSlots(const SlotCharts& charts) {
    for (int i = 0; i < kChartSlotCount; ++i) {
        const auto chart = charts[i];
        if (chart && *chart >= 0 && *chart < kChoosableCharts) {
            Image1[i]->SetPicture(Image2[*chart]);
            Image1[i]->Tag = QString::number(*chart);
        } else {
            Image1[i]->ClearPicture();
        }
    }
}

void Frm_Select::Image1_Click(int Index) {
    Image1[Index]->ClearPicture();
}

void Frm_Select::ComboChart_Click() {
    SlotCharts charts = ReadSlots();
    if (PutChart(charts, Decl().selection.MethodCode, ComboChart->currentIndex()))
        WriteSlots(charts);
}

void Frm_Select::ComboThick_Click() {
    if (const auto points = PointsPerLayerOf(S(ComboThick->currentText())))
        Decl().selection.PointsPerLayer = *points;
}

void Frm_Select::CmdNext_Click() {
    SlotCharts charts = ReadSlots();
    CloseSlotGaps(charts);
    WriteSlots(charts);
    if (!charts[0]) {
        platform::ShowMessage(
            Message{" No Charts were selected for display..  ", "", MsgIcon::Information}, this);
        return;
    }
    Decl().selection.ChartOrder = ChartOrderOf(charts);
    if (!ShowResultWindow())
        return;
    UnloadAndForget();
}

bool Frm_Select::ShowResultWindow() {
    const ResultWindowPlan plan = ResultWindowsFor(Decl().selection.MethodCode);
    if (plan.shown.empty())
        return true;
    Declarations& decl = Decl();
    ChartSelection& selection = decl.selection;
    WindowRegistry& windows = App().windows;
    // The chart order and thickness just chosen: an open window is loaded afresh and
    // classifies anew. Manual layers come back only through the editor's Export.
    const bool manualFlag = selection.ManualFlag;
    if (plan.clearsManualFlag)
        selection.ManualFlag = false;
    const int32_t grid = decl.grid.Generation;
    windows.ShowFresh(Q(plan.shown));
    if (!windows.IsLoaded(Q(plan.shown)) && decl.grid.Generation == grid) {
        // The user kept the layers set by hand that the new grid would have closed: the
        // choice stays on show and nothing else changes.
        selection.ManualFlag = manualFlag;
        return false;
    }
    for (const std::string& name : plan.unloaded)
        windows.Unload(Q(name));
    for (const std::string& name : plan.released)
        windows.Release(Q(name));
    return true;
}

void Frm_Select::CmdCancel_Click() {
    UnloadAndForget();
}

void Frm_Select::UnloadAndForget() {
    Unload();
    WindowRegistry& windows = App().windows;
    if (windows.Find(FormName()) == this)
        windows.Release(FormName());
}

} // namespace strelvan
