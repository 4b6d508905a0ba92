// The probability window's controls: the project particulars, the four charts side by side
// and the toolbar.
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/ChartFX.h"
#include "platform/Screen.h"
#include "ui/results/Frm_Tumay01.h"

namespace strelvan {

namespace {
// Captions as the window's toolbar has always shown them, trailing blanks too.
constexpr auto kProbabilityToolbar =
    ReducedToolbar("Print All      ", "Export   ", "Exit            ");
} // namespace

Frm_Tumay01::Frm_Tumay01(AppContext& app)
    : ResultChartWindow(app, QString::fromLatin1(kFormName), kCharts, kProbabilitySlotOffsets,
                        kProbabilityToolbar) {
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
    AddChartRow(*layout, [](int k) {
        return k < 3 ? platform::ChartLook::Profile : platform::ChartLook::DepthCurves;
    });
    AddToolbar();
    platform::FitToScreen(*this, {1200, 820});
    ArrangeFirstCharts();
}

} // namespace strelvan
