#include "ui/charts/ChartRow.h"

#include <QAction>
#include <algorithm>
#include <array>

#include "engine/charts/AxisToggle.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Toolbar.h"
#include "ui/charts/PrintProfiles.h"

namespace strelvan {

namespace {
const QString kZoomAll = QStringLiteral("Zoom All    ");

std::vector<float> Copy(std::span<const float> values) {
    return {values.begin(), values.end()};
}
} // namespace

ChartRow::ChartRow(Form& window, ZoomKeyState zoomState) : window_(window), zoomState_(zoomState) {
    keys_[QStringLiteral("Zoom")] = [this] { PressZoom(); };
    keys_[QStringLiteral("Print")] = [this] { Print(); };
    keys_[QStringLiteral("Export")] = [this] {
        window_.App().windows.Show(QStringLiteral("Frm_Export"), &window_);
    };
}

void ChartRow::Add(platform::ChartFX* chart) {
    entries_.push_back({chart, std::nullopt, std::nullopt});
}

ChartRow::Entry* ChartRow::Find(const platform::ChartFX* chart) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [chart](const Entry& e) { return e.chart == chart; });
    return it == entries_.end() ? nullptr : &*it;
}

const ChartRow::Entry* ChartRow::Find(const platform::ChartFX* chart) const {
    return const_cast<ChartRow*>(this)->Find(chart);
}

void ChartRow::Place(const platform::ChartFX* chart, int32_t left) {
    if (Entry* e = Find(chart))
        e->left = left;
}

int32_t ChartRow::Left(const platform::ChartFX* chart) const {
    const Entry* e = Find(chart);
    return e != nullptr && e->left ? *e->left : 0;
}

std::vector<platform::ChartFX*> ChartRow::OnShow() const {
    std::vector<const Entry*> shown;
    for (const Entry& e : entries_)
        if (!e.chart->isHidden())
            shown.push_back(&e);
    std::stable_sort(shown.begin(), shown.end(), [](const Entry* a, const Entry* b) {
        return a->left.value_or(INT32_MIN) < b->left.value_or(INT32_MIN);
    });
    std::vector<platform::ChartFX*> charts;
    for (const Entry* e : shown)
        charts.push_back(e->chart);
    return charts;
}

void ChartRow::Plot(platform::ChartFX& chart, const Profile& profile,
                    std::optional<ZoomChart> place) {
    DrawProfile(chart, profile, axisMode_);
    Entry* e = Find(&chart);
    if (e == nullptr)
        return;
    e->plotted.reset();
    if (!place)
        return;
    const ProfileSeries& s = profile.series;
    e->plotted = Plotted{*place, Copy(s.depth), Copy(s.position), Copy(s.values), s.count, s.held};
}

void ChartRow::Forget(const platform::ChartFX* chart) {
    if (Entry* e = Find(chart))
        e->plotted.reset();
}

void ChartRow::UseToolbar(platform::Toolbar* toolbar) {
    toolbar_ = toolbar;
    QObject::connect(toolbar, &platform::Toolbar::ButtonClick, &window_,
                     [this](const QString& key) { Press(key); });
}

void ChartRow::OnKey(const QString& key, std::function<void()> action) {
    keys_[key] = std::move(action);
}

void ChartRow::Press(const QString& key) {
    const auto it = keys_.find(key);
    if (it != keys_.end() && it->second)
        it->second();
}

void ChartRow::OnAxisSwitch(std::function<void(int16_t from)> redraw) {
    redraw_ = std::move(redraw);
    keys_[QStringLiteral("YAxis")] = [this] { Toggle_Axis(); };
}

void ChartRow::Toggle_Axis() {
    if (const auto refusal = ElevationToggleRefusal(window_.Decl().project)) {
        platform::ShowMessage(*refusal, &window_);
        return;
    }
    // A range zoomed in one mode is no range of the other: the profiles show all again.
    EndZoom();
    const int16_t from = axisMode_;
    axisMode_ = static_cast<int16_t>(-axisMode_);
    if (redraw_)
        redraw_(from);
}

QAction* ChartRow::ZoomKey() const {
    return toolbar_ != nullptr ? toolbar_->ButtonByKey(QStringLiteral("Zoom")) : nullptr;
}

ChartRow::Linked ChartRow::LinkedCharts() const {
    Linked linked;
    linked.zoom.AxisMode = axisMode_;
    linked.zoom.GroundElev = window_.Decl().project.GroundElev;
    for (const Entry& e : entries_) {
        if (!e.plotted)
            continue;
        const Plotted& p = *e.plotted;
        const auto k = static_cast<std::size_t>(p.place) - 1;
        linked.charts[k] = e.chart;
        linked.zoom.charts[k] = {p.depth, p.position, p.values, p.count, p.held};
        linked.count = std::max<int16_t>(linked.count, static_cast<int16_t>(p.place));
    }
    return linked;
}

void ChartRow::SetZoomState(const QString& text) const {
    if (QAction* zoom = ZoomKey(); zoom != nullptr) {
        if (zoomState_ == ZoomKeyState::ToolTip)
            zoom->setToolTip(text);
        else
            zoom->setText(text);
    }
}

void ChartRow::PressZoom() {
    QAction* zoom = ZoomKey();
    if (zoom == nullptr)
        return;
    const Linked linked = LinkedCharts();
    if (ZoomSource(linked.charts, linked.count) == nullptr) {
        platform::ShowMessage(ZoomFirstMessage(), &window_);
        SetZoomState(kZoomAll);
        return;
    }
    const QString state = zoomState_ == ZoomKeyState::ToolTip ? zoom->toolTip() : zoom->text();
    if (state.contains(QStringLiteral("All"), Qt::CaseInsensitive)) {
        SetZoomState(QStringLiteral("Zoom Out    "));
        ZoomLinked(linked.zoom, linked.count, linked.charts);
    } else {
        ResetLinked(linked.count, linked.charts);
        SetZoomState(kZoomAll);
    }
}

void ChartRow::EndZoom() {
    if (ZoomKey() == nullptr)
        return;
    const Linked linked = LinkedCharts();
    ResetLinked(linked.count, linked.charts);
    SetZoomState(kZoomAll);
}

void ChartRow::PrintThrough(std::function<void(const std::function<void()>&)> wrap) {
    printWrap_ = std::move(wrap);
}

void ChartRow::Print() {
    const auto print = [this] { PrintChartRow(window_.Decl().project, OnShow()); };
    if (printWrap_)
        printWrap_(print);
    else
        print();
}

} // namespace strelvan
