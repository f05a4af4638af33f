// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

#include "review/review_cursors.h"
#include "review/review_drive.h"

class QPainter;

namespace tarvex {

// The five strip charts and what each shows: a channel, with a second one
// drawn under it in grey (the actuator's start position).
struct StripLayout {
    Channel channel;
    std::optional<Channel> under;
};
inline constexpr std::array<StripLayout, 5> kStrips = {{
    {Channel::EngineSpeed, std::nullopt},
    {Channel::LambdaVoltage, std::nullopt},
    {Channel::Tps, std::nullopt},
    {Channel::Actuator, Channel::StartPosition},
    {Channel::ReducerTemperature, std::nullopt},
}};
inline constexpr int kBandCount = 5;  // fuel, LPG off, cut-off, learning, link

// A channel's name and unit in the interface language.
QString channel_name(Channel c);
QString channel_unit(Channel c);
// How a count becomes the unit shown: units per count, decimals shown.
double channel_per_count(Channel c);
int channel_decimals(Channel c);
// Seconds from the first row as the time axis and the readout show them:
// "1:02:03.4", "2:03.45".
QString time_text(double seconds, double resolution);

// What the charts show: the drive, an overlay shifted onto it, the shown
// time and the cursors.
struct ChartScene {
    const ReviewDrive* drive = nullptr;
    const ReviewDrive* overlay = nullptr;
    double overlay_shift = 0;  // seconds added to the overlay's times
    TimeWindow window;
    std::optional<double> cursor_a, cursor_b;
};

// Where the parts of the charts lie in a widget of that size (logical pixels).
struct ChartLayout {
    QRect plot;  // the time axis spans plot.left() to plot.right() + 1
    std::array<QRect, kStrips.size()> strips;
    std::array<QRect, kBandCount> bands;
    QRect axis;
    // The time at a logical x, and the x of a time.
    double time_at(const ChartScene& s, double x) const;
    double x_of(const ChartScene& s, double t) const;
};
ChartLayout chart_layout(QSize size);

// Draws every chart, band, event, marker and cursor. Each device pixel
// column of a trace spans the minimum and maximum of all its rows (the
// envelope), so no extreme is lost at any zoom; neighbouring columns are
// joined, and columns between two rows are bridged with a line unless the
// link was lost between them.
void paint_charts(QPainter& p, QSize size, qreal device_pixel_ratio, const ChartScene& scene);

}  // namespace tarvex
