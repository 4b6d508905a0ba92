// The chart control: the labels of its axes. Every gridline of an axis carries its number:
// where the axis cannot show the label of each one (it leaves out a label that would crowd
// its neighbour), the gridlines go to a coarser round step until every one is labelled.
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QValueAxis>
#include <cmath>

#include "platform/ChartFX.h"

namespace strelvan::platform {

namespace {
// How many coarser steps the chart tries before it leaves an axis as it is.
constexpr int kMaxCoarsening = 6;

// The numbers at the gridlines of an axis: the multiples of its tick step within its range.
std::vector<double> Gridlines(const QValueAxis& axis) {
    std::vector<double> values;
    const double step = axis.tickInterval();
    if (!(step > 0) || !std::isfinite(step) || !(axis.max() >= axis.min()))
        return values;
    const double first = std::ceil(axis.min() / step - 1e-9);
    const double last = std::floor(axis.max() / step + 1e-9);
    for (double k = first; k <= last && values.size() < 1000; ++k)
        values.push_back(k * step);
    return values;
}

// The next round step above a step: 1, 2 and 5 times a power of ten.
double NextRoundStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double mantissa = step / power;
    return (mantissa < 1.5 ? 2 : mantissa < 3.5 ? 5 : 10) * power;
}
} // namespace

ChartAxisLabels ChartFX::AxisLabelsOf(const QValueAxis& axis) const {
    ChartAxisLabels shown;
    shown.gridlines = Gridlines(axis);
    const double step = axis.tickInterval();
    const bool vertical = axis.orientation() == Qt::Vertical;
    const QRectF plot = chart_->plotArea();
    // The axis's labels stand beside the plot: left of it for the vertical axis, over it for
    // the horizontal one.
    std::vector<double> numbers;
    for (const QGraphicsItem* item : scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible())
            continue;
        const QPointF at = text->sceneBoundingRect().center();
        const bool beside =
            vertical
                ? at.x() < plot.left() && at.y() >= plot.top() - 2 && at.y() <= plot.bottom() + 2
                : at.y() < plot.top() && at.x() >= plot.left() - 2 && at.x() <= plot.right() + 2;
        bool number = false;
        const double value = text->toPlainText().toDouble(&number);
        if (beside && number)
            numbers.push_back(value);
    }
    for (double g : shown.gridlines)
        for (double n : numbers)
            if (std::fabs(n - g) <= std::max(1e-9, 1e-6 * step)) {
                shown.labelled.push_back(g);
                break;
            }
    return shown;
}

ChartAxisLabels ChartFX::AxisLabels(int axis) {
    SyncLayout();
    return AxisLabelsOf(axis == data_.VerticalItem() ? *vAxis_ : *hAxis_);
}

void ChartFX::LabelEveryGridline() {
    const bool strip = data_.Look() == ChartLook::LayerStrip;
    for (QValueAxis* axis : {hAxis_, vAxis_}) {
        if (strip && axis == hAxis_) // the strip shows no numbers across
            continue;
        for (int round = 0; round < kMaxCoarsening; ++round) {
            const ChartAxisLabels shown = AxisLabelsOf(*axis);
            if (shown.labelled.size() >= shown.gridlines.size() || shown.gridlines.size() < 2)
                break;
            axis->setTickInterval(NextRoundStep(axis->tickInterval()));
            chart_->layout()->invalidate();
            chart_->layout()->activate();
        }
    }
}

} // namespace strelvan::platform
