// The chart control: what it is given and keeps.
#include "platform/ChartFX.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace strelvan::platform {

namespace {
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

int Count(int32_t n, int limit) {
    return std::clamp<int32_t>(n, 0, limit);
}
} // namespace

QColor ChartColor(int32_t bgr) {
    const auto c = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The view is made with its own chart from the start: a view made without one makes a
// chart of its own, which a later setChart replaces but does not free.
ChartFX::ChartFX(ChartLook look, QWidget* parent)
    : QChartView(new QChart(), parent), look_(look), chart_(chart()) {
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
}

ChartFX::~ChartFX() {
    for (auto& a : annotations_)
        a->chart_ = nullptr;
}

// ---- Data ----

void ChartFX::BeginData(int kind, int32_t count1, int32_t count2) {
    if (kind != kChartValues && kind != kChartXValues && kind != kChartColors)
        return;
    const bool anyOpen = open_[kChartValues] || open_[kChartXValues] || open_[kChartColors];
    if (!anyOpen) { // a new drawing
        values_.clear();
        xValues_.clear();
        colors_.clear();
        pointCount_ = 0;
        hasX_ = false;
    }
    open_[static_cast<std::size_t>(kind)] = true;
    if (kind == kChartColors) {
        colors_.assign(static_cast<std::size_t>(Count(count1, kMaxChartPoints)), std::nullopt);
    } else {
        auto& target = kind == kChartValues ? values_ : xValues_;
        const int series = Count(count1, kMaxChartSeries);
        const int points = Count(count2, kMaxChartPoints);
        target.assign(static_cast<std::size_t>(series),
                      std::vector<double>(static_cast<std::size_t>(points), kNoValue));
        if (kind == kChartValues) {
            pointCount_ = points;
            legends_.resize(static_cast<std::size_t>(series));
        } else {
            hasX_ = true;
        }
    }
    MarkDataChanged();
}

void ChartFX::EndData(int kind) {
    if (kind < 0 || kind >= static_cast<int>(open_.size()) ||
        !open_[static_cast<std::size_t>(kind)])
        return;
    open_[static_cast<std::size_t>(kind)] = false;
    CommitData();
}

bool ChartFX::DataOpen(int kind) const {
    return kind >= 0 && kind < static_cast<int>(open_.size()) &&
           open_[static_cast<std::size_t>(kind)];
}

void ChartFX::Refresh() {
    CommitData();
    ApplyAxes();
    viewport()->update();
}

void ChartSeries::PointValue(int point, double value) {
    auto& v = chart_->values_;
    if (!InRange(index_, v.size()) || !InRange(point, v[static_cast<std::size_t>(index_)].size()))
        return;
    v[static_cast<std::size_t>(index_)][static_cast<std::size_t>(point)] = value;
    chart_->MarkDataChanged();
}

void ChartSeries::PointXValue(int point, double value) {
    auto& v = chart_->xValues_;
    if (!InRange(index_, v.size()) || !InRange(point, v[static_cast<std::size_t>(index_)].size()))
        return;
    v[static_cast<std::size_t>(index_)][static_cast<std::size_t>(point)] = value;
    chart_->MarkDataChanged();
}

std::optional<double> ChartSeries::PointValue(int point) const {
    const auto& v = chart_->values_;
    if (!InRange(index_, v.size()) || !InRange(point, v[static_cast<std::size_t>(index_)].size()))
        return std::nullopt;
    const double d = v[static_cast<std::size_t>(index_)][static_cast<std::size_t>(point)];
    return std::isnan(d) ? std::nullopt : std::optional<double>(d);
}

std::optional<double> ChartSeries::PointXValue(int point) const {
    const auto& v = chart_->xValues_;
    if (!InRange(index_, v.size()) || !InRange(point, v[static_cast<std::size_t>(index_)].size()))
        return std::nullopt;
    const double d = v[static_cast<std::size_t>(index_)][static_cast<std::size_t>(point)];
    return std::isnan(d) ? std::nullopt : std::optional<double>(d);
}

void ChartSeries::SeriesLegend(const QString& text) {
    if (index_ < 0)
        return;
    auto& legends = chart_->legends_;
    if (static_cast<std::size_t>(index_) >= legends.size())
        legends.resize(static_cast<std::size_t>(index_) + 1);
    legends[static_cast<std::size_t>(index_)] = text;
    chart_->ApplyLegend();
}

QString ChartSeries::SeriesLegend() const {
    const auto& legends = chart_->legends_;
    return InRange(index_, legends.size()) ? legends[static_cast<std::size_t>(index_)] : QString();
}

void ChartFX::PointColor(int point, int32_t bgr) {
    if (!InRange(point, colors_.size()))
        return;
    colors_[static_cast<std::size_t>(point)] = bgr;
    MarkDataChanged();
}

std::optional<int32_t> ChartFX::PointColor(int point) const {
    if (!InRange(point, colors_.size()))
        return std::nullopt;
    return colors_[static_cast<std::size_t>(point)];
}

// ---- Titles and settings ----

void ChartFX::TitleText(int index, const QString& text) {
    titles_[index] = text;
    ApplyTitle();
}

QString ChartFX::TitleText(int index) const {
    auto it = titles_.find(index);
    return it == titles_.end() ? QString() : it->second;
}

void ChartFX::TitleColor(int index, int32_t bgr) {
    titleColors_[index] = bgr;
    ApplyTitle();
}

int32_t ChartFX::TitleColor(int index) const {
    auto it = titleColors_.find(index);
    return it == titleColors_.end() ? 0 : it->second;
}

void ChartFX::SetSetting(int number, int16_t value) {
    settings_[number] = value;
    if (number == 16)
        MarkDataChanged(); // the line width is set on the series when they are shown
}

std::optional<int16_t> ChartFX::Setting(int number) const {
    auto it = settings_.find(number);
    return it == settings_.end() ? std::nullopt : std::optional<int16_t>(it->second);
}

void ChartFX::SetOption(int number, bool value) {
    options_[number] = value;
    if (number == 84)
        ApplyLegend();
}

std::optional<bool> ChartFX::Option(int number) const {
    auto it = options_.find(number);
    return it == options_.end() ? std::nullopt : std::optional<bool>(it->second);
}

void ChartFX::LegendState(const ChartLegendState& state) {
    if (state.shown)
        options_[84] = *state.shown;
    else
        options_.erase(84);
    legendBox_ = state.box;
    ApplyLegend();
}

bool ChartFX::LegendShown() const {
    if (BarLook())
        return false;
    return Option(84).value_or(look_ == ChartLook::DepthCurves);
}

// ---- Axes ----

void ChartAxis::AxisTitle(const QString& title) {
    if (!InRange(index_, chart_->axes_.size()))
        return;
    chart_->axes_[static_cast<std::size_t>(index_)].title = title;
    chart_->ApplyAxes();
}

void ChartAxis::AxisMin(double value) {
    if (!InRange(index_, chart_->axes_.size()))
        return;
    chart_->axes_[static_cast<std::size_t>(index_)].min = value;
    chart_->ApplyAxes();
}

void ChartAxis::AxisMax(double value) {
    if (!InRange(index_, chart_->axes_.size()))
        return;
    chart_->axes_[static_cast<std::size_t>(index_)].max = value;
    chart_->ApplyAxes();
}

void ChartAxis::AxisStep(double step) {
    if (!InRange(index_, chart_->axes_.size()))
        return;
    chart_->axes_[static_cast<std::size_t>(index_)].step = step;
    chart_->ApplyAxes();
}

void ChartAxis::AxisFontSize(int points) {
    if (!InRange(index_, chart_->axes_.size()) || points <= 0)
        return;
    chart_->axes_[static_cast<std::size_t>(index_)].fontSize = points;
    chart_->ApplyAxes();
}

void ChartAxis::AxisSetting(int16_t value) {
    if (InRange(index_, chart_->axes_.size()))
        chart_->axes_[static_cast<std::size_t>(index_)].setting = value;
}

void ChartAxis::AxisZoom(double low, double high) {
    if (!InRange(index_, chart_->axes_.size()) || !std::isfinite(low) || !std::isfinite(high))
        return;
    chart_->axes_[static_cast<std::size_t>(index_)].zoom =
        std::make_pair(std::min(low, high), std::max(low, high));
    chart_->ApplyAxes();
}

QString ChartAxis::AxisTitle() const {
    return InRange(index_, chart_->axes_.size())
               ? chart_->axes_[static_cast<std::size_t>(index_)].title
               : QString();
}

std::optional<double> ChartAxis::AxisMin() const {
    return InRange(index_, chart_->axes_.size())
               ? chart_->axes_[static_cast<std::size_t>(index_)].min
               : std::nullopt;
}

std::optional<double> ChartAxis::AxisMax() const {
    return InRange(index_, chart_->axes_.size())
               ? chart_->axes_[static_cast<std::size_t>(index_)].max
               : std::nullopt;
}

std::optional<double> ChartAxis::AxisStep() const {
    return InRange(index_, chart_->axes_.size())
               ? chart_->axes_[static_cast<std::size_t>(index_)].step
               : std::nullopt;
}

int ChartAxis::AxisFontSize() const {
    return InRange(index_, chart_->axes_.size())
               ? chart_->axes_[static_cast<std::size_t>(index_)].fontSize
               : 0;
}

std::optional<int16_t> ChartAxis::AxisSetting() const {
    return InRange(index_, chart_->axes_.size())
               ? chart_->axes_[static_cast<std::size_t>(index_)].setting
               : std::nullopt;
}

void ChartAxis::AxisZoomRange(double& low, double& high) const {
    if (index_ == chart_->VerticalItem()) {
        const auto s = chart_->VerticalScale();
        low = s.lo;
        high = s.hi;
    } else if (index_ == (chart_->DepthOnXAxis() ? 0 : 2)) {
        const auto s = chart_->HorizontalScale();
        low = s.lo;
        high = s.hi;
    } else if (InRange(index_, chart_->axes_.size())) {
        const auto& a = chart_->axes_[static_cast<std::size_t>(index_)];
        low = a.min.value_or(0);
        high = a.max.value_or(0);
        if (low > high)
            std::swap(low, high);
    } else {
        low = high = 0;
    }
}

double ChartAxis::LabelStep() const {
    const QValueAxis* axis = index_ == chart_->VerticalItem() ? chart_->vAxis_ : chart_->hAxis_;
    return axis->tickInterval();
}

void ChartFX::ZoomActive(bool active) {
    if (active) // only the user's drag zooms; putting True changes nothing
        return;
    zoomActive_ = false;
    for (auto& a : axes_)
        a.zoom.reset();
    ApplyAxes();
}

} // namespace strelvan::platform
