// The probability window's controls: the project particulars, the four charts side by side
// and the toolbar.
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
#include "ui/results/Frm_Tumay01.h"
#include "ui/results/ResultToolbar.h"

namespace strelvan {

namespace {
// Captions as the window's toolbar has always shown them, trailing blanks too.
constexpr auto kProbabilityToolbar =
    ReducedToolbar("Print All      ", "Export   ", "Exit            ");
} // namespace

std::span<const ResultToolbarButton> Frm_Tumay01::ToolbarButtons() {
    return kProbabilityToolbar;
}

Frm_Tumay01::Frm_Tumay01(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    setWindowTitle(QStringLiteral("Form1"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    setCentralWidget(central);
    Frame1 = new QGroupBox(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(9);
    Frame1->setFont(arial);
    auto* boxes = BuildProjectBoxes(Frame1, true, "Elevation:");
    boxes->setContentsMargins(8, 4, 8, 4);
    Frame1->setLayout(boxes);
    layout->addWidget(Frame1);
    chartRow_ = AddChartRow(*layout, ChartFX, [](int k) {
        return k < 3 ? platform::ChartLook::Profile : platform::ChartLook::DepthCurves;
    });
    Toolbar1 = AddResultToolbar(this, kProbabilityToolbar);
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this, &Frm_Tumay01::Toolbar1_ButtonClick);
    resize(1200, 820);
    ArrangeFirstFour(*this, *chartRow_, ChartFX, ChartLeft, kProbabilitySlotOffsets);
}

void Frm_Tumay01::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

void Frm_Tumay01::Form_Resize() {
    ChartWidth = ChartWidthOf(ChartFX);
}

} // namespace strelvan
