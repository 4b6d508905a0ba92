// The chart control: turning what it was given into Qt Charts series and axes.
#include <QAreaSeries>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/charts/AxisScale.h"
#include "platform/ChartFX.h"

namespace strelvan::platform {

QFont ChartFont(int points, bool bold, const QString& family) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
    f.setBold(bold);
    return f;
}

namespace {
// The chart's top margin, and the width of the chart that its title may not use.
constexpr int kTopMargin = 4;
constexpr double kTitleRoomLost = 16;
// The fewest labelled ticks an axis shows.
constexpr int kMinLabels = 3;

// Colours of series 0, 1, 2, ...; the first is the chart's own colour.
QColor SeriesColor(int s) {
    static const QColor palette[] = {QColor(0, 0, 170),   QColor(0, 128, 0),   QColor(200, 0, 0),
                                     QColor(128, 0, 128), QColor(0, 128, 128), QColor(160, 100, 0)};
    return palette[static_cast<std::size_t>(s) % (sizeof palette / sizeof palette[0])];
}

// Takes the series off the chart and deletes them.
template <class Series> void RemoveSeries(QChart& chart, std::vector<Series*>& series) {
    for (Series* s : series) {
        chart.removeSeries(s);
        delete s;
    }
    series.clear();
}

// A step the axis can draw: the given one unless it would crowd the axis with ticks.
double UsableStep(std::optional<double> given, double span, int ticks) {
    if (given && *given > 0 && std::isfinite(*given) && span / *given <= 50)
        return *given;
    return NiceStep(span, ticks);
}
} // namespace

double ChartFX::IndexPosition(double index) const {
    const auto& a = axes_[2];
    if (a.min && a.max && pointCount_ > 1)
        return *a.min + index * (*a.max - *a.min) / (pointCount_ - 1);
    if (a.min && pointCount_ == 1)
        return *a.min;
    return index;
}

double ChartFX::ScalePosition(int item, double position) const {
    return item == 2 && !hasX_ ? IndexPosition(position) : position;
}

double ChartFX::PositionFromScale(int item, double value) const {
    if (item != 2 || hasX_)
        return value;
    const auto& a = axes_[2];
    if (a.min && a.max && pointCount_ > 1 && *a.max != *a.min)
        return (value - *a.min) * (pointCount_ - 1) / (*a.max - *a.min);
    if (a.min && pointCount_ == 1)
        return 0;
    return value;
}

double ChartFX::XPosition(int series, int point) const {
    if (!hasX_)
        return IndexPosition(point);
    const auto s = static_cast<std::size_t>(series);
    const auto p = static_cast<std::size_t>(point);
    if (s >= xValues_.size() || p >= xValues_[s].size())
        return std::nan("");
    return xValues_[s][p];
}

ChartFX::Scale ChartFX::VerticalScale() const {
    const AxisState& a = axes_[static_cast<std::size_t>(VerticalItem())];
    const double dLo = DepthOnXAxis() ? xLo_ : valueLo_;
    const double dHi = DepthOnXAxis() ? xHi_ : valueHi_;
    auto farthestFrom = [&](double v) {
        return std::fabs(dHi - v) >= std::fabs(dLo - v) ? dHi : dLo;
    };
    double top = 0, bottom = 10;
    if (a.max && a.min) {
        top = *a.max;
        bottom = *a.min;
    } else if (a.max) {
        top = *a.max;
        bottom = hasData_ ? farthestFrom(top) : top;
    } else if (a.min) {
        bottom = *a.min;
        top = hasData_ ? farthestFrom(bottom) : bottom;
    } else if (hasData_) { // depth grows downward
        top = dLo;
        bottom = dHi;
    }
    Scale s;
    s.lo = std::min(top, bottom);
    s.hi = std::max(top, bottom);
    s.reversed = top < bottom;
    if (!(s.hi - s.lo > 1e-9)) { // one depth only: show a little around it, downward
        const double pad = std::max(1.0, std::fabs(s.lo) * 0.05);
        s.lo -= pad;
        s.hi += pad;
        s.reversed = true;
    }
    if (a.zoom && a.zoom->second > a.zoom->first) {
        s.lo = a.zoom->first;
        s.hi = a.zoom->second;
    }
    s.step = UsableStep(a.step, s.hi - s.lo, 8);
    return s;
}

ChartFX::Scale ChartFX::HorizontalScale() const {
    const AxisState& a = axes_[DepthOnXAxis() ? 0 : 2];
    const AxisState* second = DepthOnXAxis() ? &axes_[1] : nullptr;
    const auto pick = [&](std::optional<double> AxisState::*member) {
        const auto& v = a.*member;
        return v || second == nullptr ? v : second->*member;
    };
    const auto givenMin = pick(&AxisState::min);
    const auto givenMax = pick(&AxisState::max);
    const auto givenStep = pick(&AxisState::step);
    const double dLo = DepthOnXAxis() ? valueLo_ : xLo_;
    const double dHi = DepthOnXAxis() ? valueHi_ : xHi_;

    double left = givenMin.value_or(hasData_ ? std::min(0.0, dLo) : 0.0);
    double right = givenMax.value_or(hasData_ ? std::max(dHi, left) : left + 1);
    double step = UsableStep(givenStep, right - left, 6);
    if (!givenMin)
        left = RoundDownTo(left, step);
    if (!givenMax) {
        right = RoundUpTo(right, step);
        if (right <= left)
            right = left + step;
    }
    Scale s;
    s.lo = std::min(left, right);
    s.hi = std::max(left, right);
    s.reversed = left > right;
    if (!(s.hi - s.lo > 1e-12))
        s.hi = s.lo + 1;
    if (a.zoom && a.zoom->second > a.zoom->first) {
        s.lo = a.zoom->first;
        s.hi = a.zoom->second;
    }
    s.step = UsableStep(givenStep, s.hi - s.lo, 6);
    return s;
}

void ChartFX::ApplyAxes() {
    const Scale h = HorizontalScale();
    const Scale v = VerticalScale();
    const AxisState& ha = axes_[DepthOnXAxis() ? 0 : 2];
    const AxisState& va = axes_[static_cast<std::size_t>(VerticalItem())];
    const bool strip = look_ == ChartLook::LayerStrip;
    struct Target {
        QValueAxis* axis;
        const Scale& scale;
        const AxisState& state;
        bool labels;
        bool horizontal;
    };
    for (const Target& t :
         {Target{hAxis_, h, ha, !strip, true}, Target{vAxis_, v, va, true, false}}) {
        // As many ticks as there is room for labels along the axis.
        const QFontMetricsF metrics(ChartFont(t.state.fontSize));
        const double room = t.horizontal ? std::max(60, width() - 70) : std::max(60, height() - 90);
        // The labels stand at multiples of the step: the widest is that of an end, rounded
        // to the step, or of the step itself.
        const auto advance = [&](double v) {
            return metrics.horizontalAdvance(QString::asprintf("%g", v));
        };
        const double label = t.horizontal
                                 ? std::max({advance(RoundUpTo(t.scale.lo, t.scale.step)),
                                             advance(RoundDownTo(t.scale.hi, t.scale.step)),
                                             advance(t.scale.step)}) +
                                       12
                                 : metrics.height() * 2;
        const int fit = std::max(2, static_cast<int>(room / label));
        // Never fewer than three labelled ticks: a zoomed range may be cut short of the step
        // given for the whole range.
        const double interval = RefineStep(FitStep(t.scale.step, t.scale.hi - t.scale.lo, fit),
                                           t.scale.lo, t.scale.hi, kMinLabels);
        // The axis lays its ticks out on each change. A finer step goes in after the range
        // and a coarser one before it, so that the fine step of a narrow zoom never meets the
        // whole range (thousands of ticks, seconds of work).
        const bool finer = interval < t.axis->tickInterval();
        if (!finer)
            t.axis->setTickInterval(interval);
        t.axis->setRange(t.scale.lo, t.scale.hi);
        if (finer)
            t.axis->setTickInterval(interval);
        t.axis->setReverse(t.scale.reversed);
        t.axis->setTickAnchor(0);
        t.axis->setTickType(QValueAxis::TicksDynamic);
        t.axis->setMinorTickCount(0);
        t.axis->setLabelFormat(QStringLiteral("%g"));
        t.axis->setLabelsFont(ChartFont(t.state.fontSize));
        // The strip's value labels are not shown, but they keep their room, so that its plot
        // starts at the height of the plots beside it and its layers line up with theirs.
        t.axis->setLabelsVisible(true);
        t.axis->setLabelsColor(t.labels ? labelColor_ : QColor(Qt::transparent));
        t.axis->setGridLineVisible(t.labels);
        t.axis->setGridLinePen(QPen(QColor(215, 215, 215), 1));
        t.axis->setTitleText(t.state.title);
        t.axis->setTitleFont(ChartFont(t.state.fontSize, true));
    }
    layoutDirty_ = true;
    if (annotationLayer_ != nullptr)
        AnnotationsChanged();
}

void ChartFX::ApplyTitle() {
    // A title wider than the chart is set in a smaller type, down to 6 points, rather than cut
    // short; the top margin takes up the height the smaller type saves, so that the plot stays
    // level with the plots of the charts beside it.
    const QString text = TitleText(2);
    const QFont full = ChartFont(9, true);
    QFont font = full;
    const double room = width() - kTitleRoomLost;
    for (int points = 8; points >= 6 && QFontMetricsF(font).horizontalAdvance(text) > room;
         --points)
        font = ChartFont(points, true);
    QMargins margins = chart_->margins();
    margins.setTop(kTopMargin + static_cast<int>(std::lround(QFontMetricsF(full).height() -
                                                             QFontMetricsF(font).height())));
    chart_->setMargins(margins);
    chart_->setTitle(text);
    chart_->setTitleFont(font);
    chart_->setTitleBrush(ChartColor(TitleColor(2)));
    layoutDirty_ = true;
}

void ChartFX::ApplyLegend() {
    QLegend* legend = chart_->legend();
    legend->setVisible(LegendShown());
    // Beside the plot, so that the plot keeps the height of the charts beside it and their
    // depths stay level.
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(ChartFont(8));
    for (std::size_t s = 0; s < lines_.size(); ++s)
        lines_[s]->setName(s < legends_.size() ? legends_[s] : QString());
    for (QLegendMarker* m : legend->markers())
        m->setVisible(qobject_cast<QLineSeries*>(m->series()) != nullptr);
    layoutDirty_ = true;
}

void ChartFX::CommitData() {
    if (!dataDirty_)
        return;
    dataDirty_ = false;
    // Extents of what will be drawn.
    hasData_ = false;
    for (int s = 0; s < SeriesCount(); ++s)
        for (int p = 0; p < pointCount_; ++p) {
            const double v = values_[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)];
            const double x = XPosition(s, p);
            if (std::isnan(v) || std::isnan(x))
                continue;
            if (!hasData_) {
                valueLo_ = valueHi_ = v;
                xLo_ = xHi_ = x;
                hasData_ = true;
            }
            valueLo_ = std::min(valueLo_, v);
            valueHi_ = std::max(valueHi_, v);
            xLo_ = std::min(xLo_, x);
            xHi_ = std::max(xHi_, x);
        }
    if (BarLook())
        CommitBars();
    else
        CommitLines();
    ApplyLegend();
    ApplyAxes();
}

void ChartFX::CommitLines() {
    RemoveSeries(*chart_, areas_);
    while (static_cast<int>(lines_.size()) > SeriesCount()) {
        chart_->removeSeries(lines_.back());
        delete lines_.back();
        lines_.pop_back();
    }
    while (static_cast<int>(lines_.size()) < SeriesCount()) {
        auto* line = new QLineSeries();
        chart_->addSeries(line);
        line->attachAxis(hAxis_);
        line->attachAxis(vAxis_);
        lines_.push_back(line);
    }
    const double width = std::clamp<int>(Setting(16).value_or(1), 1, 10);
    const bool profile = look_ == ChartLook::Profile;
    for (int s = 0; s < SeriesCount(); ++s) {
        QList<QPointF> points;
        points.reserve(pointCount_);
        const auto& values = values_[static_cast<std::size_t>(s)];
        for (int p = 0; p < pointCount_; ++p) {
            const double v = values[static_cast<std::size_t>(p)];
            const double x = XPosition(s, p);
            if (std::isnan(v) || std::isnan(x))
                continue;
            points.append(profile ? QPointF(x, v) : QPointF(v, x));
        }
        QLineSeries* line = lines_[static_cast<std::size_t>(s)];
        // A profile takes the colour of its title; curves take the series colours.
        const QColor color = profile && s == 0 && titleColors_.count(2) != 0
                                 ? ChartColor(titleColors_.at(2))
                                 : SeriesColor(s);
        QPen pen(color, width);
        pen.setCapStyle(Qt::FlatCap); // bevel joins stroke thousands of points fast
        pen.setJoinStyle(Qt::BevelJoin);
        line->setPen(pen);
        line->replace(points);
    }
}

void ChartFX::CommitBars() {
    RemoveSeries(*chart_, lines_);
    RemoveSeries(*chart_, areas_);
    if (SeriesCount() == 0 || pointCount_ == 0)
        return;
    const auto& values = values_[0];
    const int n = pointCount_;
    std::vector<double> pos(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        pos[static_cast<std::size_t>(i)] = XPosition(0, i);
    // Each bar reaches half way to its neighbours along the depth.
    struct Bar {
        double from, to, length;
        int32_t color;
    };
    constexpr int32_t kOwnColor = -1;
    std::vector<Bar> bars;
    bars.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double d = pos[static_cast<std::size_t>(i)];
        const double v = values[static_cast<std::size_t>(i)];
        if (std::isnan(d) || std::isnan(v))
            continue;
        const bool hasNext = i + 1 < n && !std::isnan(pos[static_cast<std::size_t>(i) + 1]);
        const bool hasPrev = i > 0 && !std::isnan(pos[static_cast<std::size_t>(i) - 1]);
        double up = hasNext ? (pos[static_cast<std::size_t>(i) + 1] - d) / 2 : 0;
        double down = hasPrev ? (d - pos[static_cast<std::size_t>(i) - 1]) / 2 : 0;
        if (!hasNext)
            up = hasPrev ? down : 0.5;
        if (!hasPrev)
            down = up;
        const auto c = i < static_cast<int>(colors_.size()) ? colors_[static_cast<std::size_t>(i)]
                                                            : std::nullopt;
        bars.push_back({d - down, d + up, v, c.value_or(kOwnColor)});
    }
    if (bars.empty())
        return;
    std::vector<int32_t> colors;
    for (const Bar& b : bars)
        if (std::find(colors.begin(), colors.end(), b.color) == colors.end())
            colors.push_back(b.color);
    // One filled outline per colour: a staircase along the depth that reaches out to the
    // length of each bar of that colour and stays at 0 elsewhere.
    for (int32_t color : colors) {
        auto* upper = new QLineSeries();
        auto* lower = new QLineSeries();
        QList<QPointF> outline;
        outline.reserve(static_cast<qsizetype>(bars.size() * 2));
        for (const Bar& b : bars) {
            const double length = b.color == color ? b.length : 0.0;
            outline.append(QPointF(length, b.from));
            outline.append(QPointF(length, b.to));
        }
        upper->replace(outline);
        lower->append(0, bars.front().from);
        lower->append(0, bars.back().to);
        auto* area = new QAreaSeries(upper, lower);
        upper->setParent(area);
        lower->setParent(area);
        const QColor fill = color == kOwnColor ? SeriesColor(0) : ChartColor(color);
        area->setBrush(fill);
        area->setPen(Qt::NoPen);
        chart_->addSeries(area);
        area->attachAxis(hAxis_);
        area->attachAxis(vAxis_);
        areas_.push_back(area);
    }
}

void ChartFX::SyncLayout() {
    CommitData();
    const QSizeF want = size();
    if (chart_->size() != want) {
        chart_->resize(want);
        setSceneRect(QRectF(QPointF(0, 0), want));
        layoutDirty_ = true;
    }
    if (layoutDirty_) {
        chart_->layout()->invalidate();
        chart_->layout()->activate();
        layoutDirty_ = false;
    }
}

QRectF ChartFX::PlotArea() {
    SyncLayout();
    return chart_->plotArea();
}

double ChartFX::HorizontalPixelIn(double position, const QRectF& plot) const {
    const Scale s = HorizontalScale();
    const double v = ScalePosition(DepthOnXAxis() ? 0 : 2, position);
    const double t = (v - s.lo) / (s.hi - s.lo);
    return s.reversed ? plot.right() - t * plot.width() : plot.left() + t * plot.width();
}

double ChartFX::VerticalPixelIn(double position, const QRectF& plot) const {
    const Scale s = VerticalScale();
    const double v = ScalePosition(VerticalItem(), position);
    const double t = (v - s.lo) / (s.hi - s.lo);
    return s.reversed ? plot.top() + t * plot.height() : plot.bottom() - t * plot.height();
}

double ChartFX::HorizontalPixel(double position) {
    return HorizontalPixelIn(position, PlotArea());
}

double ChartFX::VerticalPixel(double position) {
    return VerticalPixelIn(position, PlotArea());
}

double ChartFX::VerticalValueAt(double y) {
    const QRectF plot = PlotArea();
    const Scale s = VerticalScale();
    if (plot.height() <= 0)
        return s.lo;
    const double t =
        s.reversed ? (y - plot.top()) / plot.height() : (plot.bottom() - y) / plot.height();
    return s.lo + t * (s.hi - s.lo);
}

} // namespace strelvan::platform
