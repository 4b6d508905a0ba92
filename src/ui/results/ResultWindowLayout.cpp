// The result windows' controls: the six charts side by side, the toolbar and the legend.
#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ChartFX.h"
#include "platform/LineControl.h"
#include "platform/Toolbar.h"
#include "ui/charts/ToolbarIcons.h"
#include "ui/results/ResultWindow.h"

namespace strelvan {

namespace {
// The layout's offsets and gaps are in twips; the screen shows 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

platform::ChartLook LookOf(int chart, const ResultFamilyMember& member) {
    if (chart < 3)
        return platform::ChartLook::Profile;
    return chart == 3 ? member.soilChartLook : platform::ChartLook::LayerStrip;
}

QIcon IconOf(const QString& key) {
    if (key == "Back")
        return ToolbarIcon(ToolIcon::Back);
    if (key == "YAxis")
        return ToolbarIcon(ToolIcon::DepthElevation);
    if (key == "Zoom")
        return ToolbarIcon(ToolIcon::Zoom);
    if (key == "Print")
        return ToolbarIcon(ToolIcon::Print);
    if (key == "Export")
        return ToolbarIcon(ToolIcon::Export);
    if (key == "Exit")
        return ToolbarIcon(ToolIcon::Exit);
    return {};
}
} // namespace

ResultWindow::ResultWindow(AppContext& app, const ResultFamilyMember& member)
    : Form(app, QString::fromLatin1(member.formName)), member_(member) {
    setWindowTitle(member_.designCaption);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    chartRow_ = new QHBoxLayout;
    chartRow_->setSpacing(0);
    for (int k = 0; k < kCharts; ++k) {
        auto* chart = new platform::ChartFX(LookOf(k, member_), central);
        chart->setObjectName(QStringLiteral("ChartFX(%1)").arg(k));
        chart->setVisible(false);
        ChartFX[static_cast<std::size_t>(k)] = chart;
        chartRow_->addWidget(chart, 1);
    }
    layout->addLayout(chartRow_, 1);
    setCentralWidget(central);
    BuildLegend();
    if (LegendFrame != nullptr)
        layout->addWidget(LegendFrame);
    BuildToolbar();
    resize(1200, 820);
    // Lay the window out once with the first four charts, so that a chart has its width
    // before the window is first shown.
    const ChartLayout four = LayOutCharts("0 1 2 3", 0, *member_.slotOffsets);
    for (int k = 0; k < kDisplaySlots; ++k) {
        ChartFX[static_cast<std::size_t>(k)]->setVisible(true);
        ChartLeft[static_cast<std::size_t>(k)] = four.left[static_cast<std::size_t>(k)];
    }
    ArrangeCharts(four);
    for (platform::ChartFX* chart : ChartFX)
        chart->setVisible(false);
    ChartLeft = {};
}

void ResultWindow::SettleLayout() {
    layout()->activate();
    centralWidget()->layout()->activate();
}

void ResultWindow::BuildToolbar() {
    Toolbar1 = new platform::Toolbar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    for (const ResultToolbarButton& b : member_.toolbar) {
        if (b.key == nullptr) {
            Toolbar1->AddPlaceholder(10);
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        Toolbar1->AddButton(key, QString::fromLatin1(b.caption), QString::fromLatin1(b.toolTip),
                            IconOf(key));
    }
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this, &ResultWindow::Toolbar1_ButtonClick);
}

void ResultWindow::ResetToolbar() {
    // Each load starts from the toolbar as stored: its captions, and Manual Layers disabled
    // until a soil-type or layer-text chart is on show.
    for (int item = 1; item <= Toolbar1->ItemCount(); ++item) {
        const ResultToolbarButton& b = member_.toolbar[static_cast<std::size_t>(item - 1)];
        if (b.key != nullptr)
            Toolbar1->Item(item)->setText(QString::fromLatin1(b.caption));
    }
    if (QAction* manual = Toolbar1->ButtonByKey(QStringLiteral("Next")))
        manual->setEnabled(false);
}

void ResultWindow::BuildLegend() {
    const auto& legend = member_.legend;
    if (legend.empty())
        return;
    LegendFrame = new QGroupBox(centralWidget());
    LegendFrame->setObjectName(member_.legendFrame);
    auto* columns = new QHBoxLayout(LegendFrame);
    columns->setContentsMargins(8, 4, 8, 4);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    const int rowHeight = QFontMetrics(font).lineSpacing();
    const int perBox = std::max(1, member_.typesPerBox);
    const int boxes = (static_cast<int>(legend.size()) + perBox - 1) / perBox;
    for (int b = 0; b < boxes; ++b) {
        auto* grid = new QGridLayout;
        grid->setVerticalSpacing(0);
        grid->setHorizontalSpacing(4);
        QString text;
        const int first = b * perBox;
        const int last = std::min<int>(first + perBox, static_cast<int>(legend.size()));
        for (int t = first; t < last; ++t) {
            auto* line = new platform::LineControl(LegendFrame);
            line->setObjectName(member_.lineName.arg(t + 1));
            line->BorderWidth(6);
            line->setFixedSize(28, rowHeight);
            grid->addWidget(line, t - first, 0);
            grid->setRowMinimumHeight(t - first, rowHeight);
            LegendLines.push_back(line);
            text += QString::fromUtf8(
                        legend[static_cast<std::size_t>(t)].text.data(),
                        static_cast<qsizetype>(legend[static_cast<std::size_t>(t)].text.size())) +
                    QStringLiteral("\n");
        }
        auto* box = new QLabel(LegendFrame);
        box->setObjectName(member_.boxName.arg(b + 1));
        box->setFont(font);
        box->setText(text.chopped(1));
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setTextInteractionFlags(Qt::NoTextInteraction);
        grid->addWidget(box, 0, 1, last - first, 1);
        grid->setColumnStretch(1, 1);
        LegendBoxes.push_back(box);
        columns->addLayout(grid, 1);
    }
}

void ResultWindow::ArrangeCharts(const ChartLayout& layout) {
    while (QLayoutItem* item = chartRow_->takeAt(0))
        delete item;
    std::vector<int> shown;
    for (int k = 0; k < kCharts; ++k)
        if (!ChartFX[static_cast<std::size_t>(k)]->isHidden())
            shown.push_back(k);
    std::stable_sort(shown.begin(), shown.end(), [this](int a, int b) {
        return ChartLeft[static_cast<std::size_t>(a)] < ChartLeft[static_cast<std::size_t>(b)];
    });
    // The gaps of the layout: before the first slot, and between one slot's chart and the next.
    chartRow_->addSpacing(layout.left[0] / kTwipsPerPixel);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto k = static_cast<std::size_t>(shown[i]);
        if (i > 0) {
            const int32_t gap =
                ChartLeft[k] - ChartLeft[static_cast<std::size_t>(shown[i - 1])] - ChartWidth;
            chartRow_->addSpacing(std::clamp(gap, 0, 30 * kTwipsPerPixel) / kTwipsPerPixel);
        }
        chartRow_->addWidget(ChartFX[k], 1);
    }
    // Each chart keeps the width of one of four, whatever the number on show.
    if (shown.size() < kDisplaySlots)
        chartRow_->addStretch(static_cast<int>(kDisplaySlots - shown.size()));
    SettleLayout();
}

void ResultWindow::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

void ResultWindow::Form_Resize() {
    // Every chart on show has the width of chart 0; chart 0 itself may be hidden.
    const auto shown = std::find_if(ChartFX.begin(), ChartFX.end(),
                                    [](const platform::ChartFX* c) { return !c->isHidden(); });
    const platform::ChartFX* chart = shown != ChartFX.end() ? *shown : ChartFX[0];
    ChartWidth = static_cast<int16_t>(std::clamp(chart->Width(), 0, 32767));
}

} // namespace strelvan
