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
#include "platform/Screen.h"
#include "platform/Toolbar.h"
#include "ui/results/ResultChartSlots.h"
#include "ui/results/ResultWindow.h"

namespace strelvan {

namespace {
platform::ChartLook LookOf(int chart, const ResultFamilyMember& member) {
    if (chart < 3)
        return platform::ChartLook::Profile;
    return chart == 3 ? member.soilChartLook : platform::ChartLook::LayerStrip;
}
} // namespace

ResultWindow::ResultWindow(AppContext& app, const ResultFamilyMember& member)
    : ResultChartWindow(app, QString::fromLatin1(member.formName), kCharts, kFamilySlotOffsets,
                        member.toolbar),
      member_(member) {
    setWindowTitle(member_.designCaption);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    AddChartRow(*layout, [this](int k) { return LookOf(k, member_); });
    setCentralWidget(central);
    BuildLegend();
    if (LegendFrame != nullptr)
        layout->addWidget(LegendFrame);
    AddToolbar();
    platform::FitToScreen(*this, {1200, 820});
    ArrangeFirstCharts();
}

void ResultWindow::ResetToolbar() {
    // Each load starts from the toolbar as stored: its captions, and Manual Layers disabled
    // until a soil-type or layer-text chart is on show.
    RestoreToolbar();
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

} // namespace strelvan
