#include "platform/trend_chart.h"

#include "core/statistics.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// In pixels: the room of one bar, the gap beside it, and the margin round the bars.
constexpr int Slot = 6;
constexpr int Gap = 1;
constexpr int Margin = 2;
constexpr int Height = 30;

const QColor BarColour(120, 140, 170);
const QColor LineColour(192, 0, 0);
const QColor BaseColour(150, 150, 150);

}  // namespace

TrendChart::TrendChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TrendChart::SetTimes(std::vector<long long> times) {
    times_ = std::move(times);
    update();
}

QSize TrendChart::sizeHint() const {
    return {2 * Margin + Slot * static_cast<int>(ChartLength), Height};
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int bottom = height() - Margin;
    const int tallest = bottom - Margin;
    painter.fillRect(Margin, bottom, Slot * static_cast<int>(ChartLength), 1, BaseColour);
    if (times_.empty()) {
        return;
    }
    const auto [fastest, slowest] = std::minmax_element(times_.begin(), times_.end());
    // The bars stand on a floor below the fastest time, half the spread of the times lower, so
    // that a change shows even where the times lie close together.
    const auto spread = static_cast<double>(*slowest - *fastest);
    const double floor = std::max(0.0, static_cast<double>(*fastest) - spread / 2);
    const double range = static_cast<double>(*slowest) - floor;
    const auto top = [&](double time) {
        return bottom - (range > 0 ? (time - floor) / range * tallest : tallest);
    };
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const int left = Margin + Slot * static_cast<int>(i);
        // In whole pixels, so that every bar has sharp edges at any density of the screen.
        const int barTop = static_cast<int>(std::lround(top(static_cast<double>(times_[i]))));
        painter.fillRect(left, barTop, Slot - Gap, bottom - barTop, BarColour);
    }
    if (times_.size() < 2) {
        return;
    }
    const auto [first, last] = TrendOf(times_);
    const double middle = (Slot - Gap) / 2.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(LineColour, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(Margin + middle, std::clamp(top(first), 0.0, double(height()))),
                     QPointF(Margin + Slot * static_cast<double>(times_.size() - 1) + middle,
                             std::clamp(top(last), 0.0, double(height()))));
}
