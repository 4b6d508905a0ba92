#include "ui/results/Frm_Manual.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/charts/ManualChartOrder.h"
#include "engine/classification/LayerGrid.h"
#include "platform/AppContext.h"
#include "platform/ChartAnnotation.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "ui/results/LayerArrows.h"
#include "ui/results/LayerTextChart.h"
#include "ui/results/ResultWindow.h"

namespace strelvan {

namespace {
QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* Label(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* ArrowButton(const QString& name, bool up, QWidget* parent) {
    QPushButton* button = Button(name, QString(), parent);
    button->setIcon(LayerArrow(up));
    button->setIconSize(QSize(28, 28));
    button->setFixedSize(48, 40);
    return button;
}
} // namespace

Frm_Manual::Frm_Manual(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    setWindowTitle(QStringLiteral("Form1"));
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    ChartText = new platform::ChartFX(platform::ChartLook::LayerStrip, central);
    ChartText->setObjectName(QStringLiteral("ChartText"));
    ChartText->setMinimumWidth(300);
    row->addWidget(ChartText, 1);

    auto* panel = new QVBoxLayout;
    LblDepth = Label(QStringLiteral("LblDepth"), QStringLiteral("Depth (ft)"), central);
    TxtDepth = new QLineEdit(central);
    TxtDepth->setObjectName(QStringLiteral("TxtDepth"));
    // The depth follows the layer's bottom; it is shown, not typed.
    TxtDepth->setReadOnly(true);
    TxtDepth->setAlignment(Qt::AlignRight);
    panel->addWidget(LblDepth);
    panel->addWidget(TxtDepth);
    panel->addSpacing(16);
    CmdNext = Button(QStringLiteral("CmdNext"), QStringLiteral("Next Layer"), central);
    CmdPre = Button(QStringLiteral("CmdPre"), QStringLiteral("Previous Layer"), central);
    panel->addWidget(CmdNext);
    panel->addWidget(CmdPre);
    panel->addSpacing(16);

    Label1 = Label(QStringLiteral("Label1"), QStringLiteral("Move Layer"), central);
    Label1->setAlignment(Qt::AlignCenter);
    CmdUp = ArrowButton(QStringLiteral("CmdUp"), true, central);
    CmdDown = ArrowButton(QStringLiteral("CmdDown"), false, central);
    Label2 = Label(QStringLiteral("Label2"), QStringLiteral("UP"), central);
    Label3 = Label(QStringLiteral("Label3"), QStringLiteral("DN"), central);
    auto* move = new QGridLayout;
    move->addWidget(Label1, 0, 0, 1, 2);
    move->addWidget(CmdUp, 1, 0, Qt::AlignHCenter);
    move->addWidget(CmdDown, 1, 1, Qt::AlignHCenter);
    move->addWidget(Label2, 2, 0, Qt::AlignHCenter);
    move->addWidget(Label3, 2, 1, Qt::AlignHCenter);
    panel->addLayout(move);
    panel->addStretch(1);

    CmdExport = Button(QStringLiteral("CmdExport"), QStringLiteral("Export"), central);
    CmdCancel = Button(QStringLiteral("CmdCancel"), QStringLiteral("Cancel"), central);
    panel->addWidget(CmdExport);
    panel->addWidget(CmdCancel);
    auto* side = new QWidget(central);
    side->setLayout(panel);
    side->setFixedWidth(150);
    row->addWidget(side);
    setCentralWidget(central);
    platform::FitToScreen(*this, {520, 760});

    connect(CmdNext, &QPushButton::clicked, this, [this] { CmdNext_Click(); });
    connect(CmdPre, &QPushButton::clicked, this, [this] { CmdPre_Click(); });
    connect(CmdDown, &QPushButton::clicked, this, [this] { CmdDown_Click(); });
    connect(CmdUp, &QPushButton::clicked, this, [this] { CmdUp_Click(); });
    connect(CmdExport, &QPushButton::clicked, this, [this] { CmdExport_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });
}

void Frm_Manual::OpenFor(ResultWindow& window) {
    if (Opener != &window)
        Unload();
    Opener = &window;
    Show(&window);
}

void Frm_Manual::Form_Load() {
    Declarations& decl = Decl();
    Walk = {};
    setWindowTitle(QStringLiteral(" Manual Classification  - File: ") +
                   Q(decl.importSettings.FileName));
    for (QPushButton* button : {CmdNext, CmdPre, CmdDown, CmdCancel})
        button->setEnabled(true);
    CmdUp->setEnabled(false);
    CmdExport->setEnabled(false);
    TxtDepth->clear();

    // The strip of grid layers, one bar each, the deepest first; then the empty lists that
    // take a label and a line per layer.
    const int layers =
        DrawLayerStrip(*ChartText, decl.grid, QStringLiteral("Manual Soil Behavior Types "));
    AnnotX = std::make_shared<platform::ChartAnnotation>();
    AnnotY = std::make_shared<platform::ChartAnnotation>();
    ChartText->AttachAnnotation(AnnotX);
    ChartText->AttachAnnotation(AnnotY);

    const auto walk =
        StartManualLayers(static_cast<int16_t>(layers), decl.selection.PointsPerLayer);
    if (!walk || !GridHolds(walk->LayerBottom)) {
        // No grid layer to set: only Cancel is left.
        for (QPushButton* button : {CmdNext, CmdPre, CmdDown})
            button->setEnabled(false);
        return;
    }
    Walk = *walk;
    DrawCurrentLayer();
    HandOver(1);
    // A sounding no longer than one layer ends with it; the question comes once the window
    // is on show.
    if (AtFoot(Walk))
        QTimer::singleShot(0, this, [this] {
            if (IsLoaded() && AtFoot(Walk) && Walk.LayerNo == 1)
                AskToExport(false);
        });
}

bool Frm_Manual::GridHolds(int32_t index) const {
    const LayerGrid& grid = Decl().grid;
    return index >= 0 && index <= grid.NumLayers &&
           static_cast<std::size_t>(index) < grid.LayerDepth.size();
}

bool Frm_Manual::Step(const std::function<bool(ManualLayerWalk&)>& step) {
    ManualLayerWalk next = Walk;
    // The grid may have been set up again since the editor loaded: a layer it no longer
    // holds is never read.
    if (!step(next) || !GridHolds(next.LayerBottom))
        return false;
    Walk = std::move(next);
    return true;
}

void Frm_Manual::DescribeCurrentLayer() {
    const Declarations& decl = Decl();
    TxtDepth->setText(
        Q(LayerDepthText(decl.grid.LayerDepth[static_cast<std::size_t>(Walk.LayerBottom)])));
    LayerName = Opener ? Q(Opener->DescribeLayers(Walk.LayerTop, Walk.LayerBottom)) : QString();
    TopCount = static_cast<float>(Walk.LastLayer - Walk.LayerTop);
    BottomCount = static_cast<float>(Walk.LastLayer - Walk.LayerBottom);
}

void Frm_Manual::DrawCurrentLayer() {
    DescribeCurrentLayer();
    DrawLayerTop(TopCount, LayerName);
    if (BottomCount > 0) {
        DrawLayerBottom(BottomCount);
    } else {
        // No boundary line at the foot of the sounding; the list still keeps one object per
        // layer.
        AnnotY->Add(static_cast<int>(platform::AnnotationKind::Line));
    }
}

void Frm_Manual::RemoveCurrentLayer() {
    AnnotX->Remove(AnnotX->Count() - 1);
    AnnotY->Remove(AnnotY->Count() - 1);
}

void Frm_Manual::DrawLayerTop(float Y, const QString& Name) {
    // A label near the foot keeps its description: the result window shows it there too.
    if (AddLayerLabel(*AnnotX, Y, Name, ManualLabelFontSize(Walk)) == nullptr)
        AnnotX->Add(static_cast<int>(platform::AnnotationKind::Text));
}

void Frm_Manual::DrawLayerBottom(float Y) {
    if (AddLayerLine(*AnnotY, Y) == nullptr)
        AnnotY->Add(static_cast<int>(platform::AnnotationKind::Line));
}

void Frm_Manual::HandOver(int16_t M) {
    if (Opener)
        Opener->ManualArray(M, TopCount, LayerName, BottomCount);
}

void Frm_Manual::AskToExport(bool afterMove) {
    CmdNext->setEnabled(false);
    CmdDown->setEnabled(false);
    const Message question{"Continue to Export", "", MsgIcon::None, MsgButtons::OkCancel};
    if (platform::ShowMessage(question, this) == platform::MsgAnswer::Ok) {
        // Only Export and Cancel are left.
        CmdPre->setEnabled(false);
        CmdUp->setEnabled(false);
        CmdExport->setEnabled(true);
        CmdExport->setFocus();
        return;
    }
    CmdPre->setEnabled(true);
    if (afterMove)
        CmdUp->setEnabled(true);
}

void Frm_Manual::CmdNext_Click() {
    if (!Step([this](ManualLayerWalk& w) {
            return NextManualLayer(w, Decl().selection.PointsPerLayer);
        }))
        return;
    DrawCurrentLayer();
    HandOver(static_cast<int16_t>(AnnotX->Count()));
    if (AtFoot(Walk)) {
        AskToExport(false);
        return;
    }
    CmdPre->setEnabled(true);
}

void Frm_Manual::CmdDown_Click() {
    MoveBottom(+1);
}

void Frm_Manual::CmdUp_Click() {
    MoveBottom(-1);
}

void Frm_Manual::MoveBottom(int step) {
    const bool moved = Step([step](ManualLayerWalk& w) { return MoveManualBottom(w, step); });
    if (moved) {
        // The current layer is drawn again in place of its old label and line, and handed
        // over again under its own number.
        const auto layer = static_cast<int16_t>(AnnotX->Count());
        RemoveCurrentLayer();
        DrawCurrentLayer();
        HandOver(layer);
    }
    if (step > 0) {
        if (!moved)
            return;
        CmdUp->setEnabled(true);
        if (AtFoot(Walk))
            AskToExport(true);
        return;
    }
    // A layer lifted off the foot has room under it again.
    if (moved) {
        CmdNext->setEnabled(true);
        CmdDown->setEnabled(true);
    }
    if (BelowStartSize(Walk, Decl().selection.PointsPerLayer)) {
        CmdUp->setEnabled(false);
        if (CmdNext->isEnabled())
            CmdNext->setFocus();
    }
}

void Frm_Manual::CmdPre_Click() {
    // Nothing comes before layer 1.
    if (!Step([](ManualLayerWalk& w) { return PreviousManualLayer(w); }))
        return;
    RemoveCurrentLayer();
    // The result window holds what the chart shows: the layer stepped back to is handed over
    // again, so the layer dropped here is dropped there too.
    DescribeCurrentLayer();
    HandOver(Walk.LayerNo);
    CmdNext->setEnabled(true);
    CmdPre->setEnabled(Walk.LayerTop != 1);
    CmdDown->setEnabled(true);
}

void Frm_Manual::CmdExport_Click() {
    ChartSelection& selection = Decl().selection;
    selection.ManualFlag = true;
    selection.ChartOrder = ChartOrderWithLayerText(selection.ChartOrder);
    // The window that holds the layers shows them in place of the automatic layer text.
    WindowRegistry& windows = App().windows;
    if (Opener && windows.Find(Opener->FormName()) == Opener)
        windows.ShowFresh(Opener->FormName());
    windows.UnloadAndRelease(FormName());
}

void Frm_Manual::CmdCancel_Click() {
    Decl().selection.ManualFlag = false;
    App().windows.UnloadAndRelease(FormName());
}

} // namespace strelvan
