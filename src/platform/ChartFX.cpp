// The chart control: a Qt chart view that draws what its chart holds.
#include "platform/ChartFX.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QValueAxis>

namespace strelvan::platform {

QColor ChartColor(int32_t bgr) {
    const auto c = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The view is made with its own chart from the start: a view made without one makes a
// chart of its own, which a later setChart replaces but does not free.
ChartFX::ChartFX(ChartLook look, QWidget* parent) : QChartView(new QChart(), parent), data_(look) {
    chart_ = chart();
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundRoundness(0);
    chart_->setDropShadowEnabled(false);
    chart_->setMargins(QMargins(4, 4, 8, 4)); // the top one is the title's to keep
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->legend()->setVisible(false);
    hAxis_ = new QValueAxis();
    vAxis_ = new QValueAxis();
    chart_->addAxis(hAxis_, Qt::AlignTop);
    chart_->addAxis(vAxis_, Qt::AlignLeft);
    labelColor_ = hAxis_->labelsColor();
    setRenderHint(QPainter::Antialiasing, true);
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(120, 160);
    SetUpAnnotationLayer();
    ApplyTitle();
    ApplyAxes();
    data_.Watch(this);
}

ChartFX::~ChartFX() {
    data_.Watch(nullptr);
}

void ChartFX::ChartChanged(ChartChange change) {
    switch (change) {
    case ChartChange::Data:
        dataDirty_ = true;
        break;
    case ChartChange::Closed:
        CommitData();
        break;
    case ChartChange::Title:
        ApplyTitle();
        break;
    case ChartChange::Axes:
        ApplyAxes();
        break;
    case ChartChange::Legend:
        ApplyLegend();
        break;
    case ChartChange::Annotations:
        RepaintAnnotations();
        break;
    }
}

void ChartFX::Refresh() {
    CommitData();
    ApplyAxes();
    viewport()->update();
}

double ChartFX::LabelStep(int axis) const {
    return (axis == data_.VerticalItem() ? vAxis_ : hAxis_)->tickInterval();
}

} // namespace strelvan::platform
