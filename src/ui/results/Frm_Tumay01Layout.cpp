// The probability window's controls: the project particulars, the four charts side by side
// and the toolbar.
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "engine/state/Numbers.h"
#include "platform/ChartFX.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/results/Frm_Tumay01.h"
#include "ui/results/ResultToolbar.h"

namespace strelvan {

namespace {
// Captions and tool tips as the window's toolbar has always shown them, trailing blanks too.
constexpr std::array<ResultToolbarButton, 14> kProbabilityToolbar{{
    {nullptr, nullptr, nullptr},
    {"Back", "Back      ", "Back to previous form"},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {"YAxis", "Depth/Elevation", "Toggle between Depth/Elevation in Y Axis"},
    {nullptr, nullptr, nullptr},
    {"Zoom", "Zoom All     ", "Zoom all graphs"},
    {nullptr, nullptr, nullptr},
    {"Print", "Print All      ", ""},
    {nullptr, nullptr, nullptr, 0},
    {"Export", "Export   ", ""},
    {nullptr, nullptr, nullptr},
    {"Exit", "Exit            ", "Exit the program"},
    {nullptr, nullptr, nullptr},
}};
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
    BuildProjectFrame();
    layout->addWidget(Frame1);
    chartRow_ = new QHBoxLayout;
    chartRow_->setSpacing(0);
    for (int k = 0; k < kCharts; ++k) {
        auto* chart = new platform::ChartFX(
            k < 3 ? platform::ChartLook::Profile : platform::ChartLook::DepthCurves, central);
        chart->setObjectName(QStringLiteral("ChartFX(%1)").arg(k));
        ChartFX[static_cast<std::size_t>(k)] = chart;
        chartRow_->addWidget(chart, 1);
    }
    layout->addLayout(chartRow_, 1);
    Toolbar1 = AddResultToolbar(this, kProbabilityToolbar);
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this, &Frm_Tumay01::Toolbar1_ButtonClick);
    resize(1200, 820);
    ArrangeFirstFour(*this, *chartRow_, ChartFX, ChartLeft, kProbabilitySlotOffsets);
}

void Frm_Tumay01::BuildProjectFrame() {
    Frame1 = new QGroupBox(centralWidget());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    Frame1->setFont(font);
    struct Entry {
        QLineEdit*& box;
        const char* name;
        const char* label;
    };
    // Two rows of five particulars; the title takes the room it needs.
    const Entry entries[] = {
        {TxtProjNum, "TxtProjNum", "Project No:"}, {TxtTitle, "TxtTitle", "Project Title:"},
        {TxtParish, "TxtParish", "Parish:"},       {TxtDate, "TxtDate", "Date:"},
        {TxtCPTNo, "TxtCPTNo", "CPT No:"},         {TxtStation, "TxtStation", "Station:"},
        {TxtOffset, "TxtOffset", "Offset:"},       {TxtElevation, "TxtElevation", "Elevation:"},
        {TxtLatit, "TxtLatit", "Latit.:"},         {TxtLongit, "TxtLongit", "Longit.:"},
    };
    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(8, 4, 8, 4);
    int i = 0;
    for (const Entry& e : entries) {
        e.box = new QLineEdit(Frame1);
        e.box->setObjectName(QString::fromLatin1(e.name));
        e.box->setReadOnly(true);
        e.box->setFocusPolicy(Qt::ClickFocus); // shown, not typed into: no box starts focused
        auto* label = new QLabel(QString::fromLatin1(e.label), Frame1);
        label->setBuddy(e.box);
        const int row = i / 5;
        const int column = i % 5;
        grid->addWidget(label, row, 2 * column);
        grid->addWidget(e.box, row, 2 * column + 1);
        grid->setColumnStretch(2 * column + 1, column == 1 ? 3 : 1);
        ++i;
    }
}

void Frm_Tumay01::FillProjectFrame() {
    const ProjectInfo& p = Decl().project;
    TxtProjNum->setText(Q(p.ProjNum));
    TxtTitle->setText(Q(p.ProjTitle));
    TxtStation->setText(Q(p.Station));
    TxtOffset->setText(Q(p.Offset));
    // A sounding without a ground elevation shows none, not that of an earlier sounding.
    TxtElevation->setText(p.GroundElev != kNoElevation ? Q(SingleText(p.GroundElev)) : QString());
    TxtParish->setText(Q(p.Parish));
    TxtDate->setText(Q(p.ProjDate));
    TxtLatit->setText(Q(p.Latitude));
    TxtLongit->setText(Q(p.Longitude));
    TxtCPTNo->setText(Q(p.CPTNo));
}

void Frm_Tumay01::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

void Frm_Tumay01::Form_Resize() {
    ChartWidth = ChartWidthOf(ChartFX);
}

} // namespace strelvan
