// SPDX-License-Identifier: MIT
#include "review/strip_chart.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "link/conversions.h"

namespace tarvex {

namespace {

constexpr int kLeft = 64, kRight = 8, kTop = 16, kAxis = 18, kBand = 11, kGap = 4;

const QColor kTraceColours[kStrips.size()] = {
    {20, 70, 170}, {200, 30, 30}, {0, 120, 60}, {140, 60, 160}, {130, 80, 30}};
const QColor kUnder(150, 150, 150);
const QColor kOverlay(255, 150, 40);
const QColor kGrid(228, 228, 228);
const QColor kCursorA(0, 90, 230), kCursorB(220, 0, 60);
const QColor kMarker(120, 0, 160);

QString event_text(EventKind k) {
    switch (k) {
        case EventKind::SwitchOver:
            return QCoreApplication::translate("Review", "to gas");
        case EventKind::SwitchBack:
            return QCoreApplication::translate("Review", "to petrol");
        case EventKind::CutOff:
            return QCoreApplication::translate("Review", "cut-off");
        case EventKind::LinkLost:
            return QCoreApplication::translate("Review", "link lost");
        case EventKind::LinkBack:
            return QCoreApplication::translate("Review", "link back");
        case EventKind::LearningStarted:
            return QCoreApplication::translate("Review", "learning");
        case EventKind::LearningEnded:
            return QCoreApplication::translate("Review", "learning ended");
    }
    return {};
}

QColor event_colour(EventKind k) {
    switch (k) {
        case EventKind::SwitchOver:
            return {0, 150, 0};
        case EventKind::SwitchBack:
            return {210, 130, 0};
        case EventKind::CutOff:
            return {40, 90, 220};
        case EventKind::LinkLost:
        case EventKind::LinkBack:
            return {200, 40, 40};
        default:
            return {150, 60, 170};
    }
}

// The value range a strip shows, in counts: the drive's (and the
// overlay's) whole range and its reference line, with a little room.
std::pair<double, double> strip_range(const ChartScene& s, const StripLayout& strip) {
    ColumnRange r = s.drive->whole[static_cast<std::size_t>(strip.channel)];
    if (strip.under)
        r.add(s.drive->whole[static_cast<std::size_t>(*strip.under)]);
    if (s.overlay)
        r.add(s.overlay->whole[static_cast<std::size_t>(strip.channel)]);
    double lo = r.empty() ? 0 : r.min, hi = r.empty() ? 1 : r.max;
    if (strip.channel == Channel::LambdaVoltage && s.drive->switching_point_v) {
        const double point = *s.drive->switching_point_v / channel_per_count(strip.channel);
        lo = std::min(lo, point);
        hi = std::max(hi, point);
    }
    const double room = std::max((hi - lo) * 0.06, 1.0);
    // A channel that never goes below zero keeps zero at the strip's foot.
    return {lo >= 0 ? std::max(0.0, lo - room) : lo - room, hi + room};
}

struct Mapping {
    double top, height, lo, hi;
    int y(double count) const {
        return static_cast<int>(std::lround(top + (hi - count) / (hi - lo) * (height - 1)));
    }
};

// One trace in device pixels: column j at device x0 + j.
void draw_trace(QPainter& p, int x0, const Mapping& m, const std::vector<ColumnRange>& cols,
                const std::vector<std::uint8_t>& bands, const QColor& colour) {
    p.setPen(QPen(colour, 0));
    int prev = -1, prev_top = 0, prev_bottom = 0;
    for (std::size_t j = 0; j < cols.size(); ++j) {
        const ColumnRange& c = cols[j];
        if (c.empty()) {
            if (bands[j] & band_bit::NoReadings)
                prev = -1;  // no line across a lost link
            continue;
        }
        const int x = x0 + static_cast<int>(j);
        int top = m.y(c.max), bottom = m.y(c.min);
        const int mid = (top + bottom) / 2;
        if (prev == x - 1) {
            top = std::min(top, prev_bottom);
            bottom = std::max(bottom, prev_top);
        } else if (prev >= 0) {
            p.drawLine(prev, (prev_top + prev_bottom) / 2, x, mid);
        }
        p.fillRect(x, top, 1, bottom - top + 1, colour);
        prev = x;
        prev_top = m.y(c.max);
        prev_bottom = m.y(c.min);
    }
}

// The bands of each column; a column without rows (zoomed in between two
// rows) carries on what the row before it showed.
void column_bands(const ReviewDrive& d, const std::vector<std::size_t>& bounds,
                  std::vector<std::uint8_t>& out) {
    d.envelope->bands(bounds, out);
    std::uint8_t last = bounds.front() > 0 && bounds.front() <= d.samples.size()
                            ? d.envelope->band(bounds.front() - 1, bounds.front())
                            : 0;
    for (std::uint8_t& b : out)
        last = b = b ? b : last;
}

// Runs of one colour along a band.
template <class ColourOf>
void draw_band(QPainter& p, const QRectF& r, double column_width,
               const std::vector<std::uint8_t>& bands, ColourOf colour_of) {
    std::size_t from = 0;
    QColor run;
    for (std::size_t j = 0; j <= bands.size(); ++j) {
        const QColor c = j < bands.size() ? colour_of(bands[j]) : QColor();
        if (j < bands.size() && c == run)
            continue;
        if (run.isValid())
            p.fillRect(QRectF(r.left() + static_cast<double>(from) * column_width, r.top(),
                              static_cast<double>(j - from) * column_width, r.height()),
                       run);
        run = c;
        from = j;
    }
}

double tick_step(double span, double width) {
    static const double steps[] = {0.05, 0.1, 0.2, 0.5, 1,    2,    5,    10,    15,    30,   60,
                                   120,  300, 600, 900, 1800, 3600, 7200, 10800, 21600, 43200};
    for (const double s : steps)
        if (s / span * width >= 90)
            return s;
    return 86400;
}

}  // namespace

QString channel_name(Channel c) {
    switch (c) {
        case Channel::EngineSpeed:
            return QCoreApplication::translate("Review", "Engine speed");
        case Channel::LambdaVoltage:
            return QCoreApplication::translate("Review", "Lambda");
        case Channel::Tps:
            return QCoreApplication::translate("Review", "TPS");
        case Channel::Actuator:
            return QCoreApplication::translate("Review", "Actuator");
        case Channel::StartPosition:
            return QCoreApplication::translate("Review", "Start position");
        case Channel::ReducerTemperature:
            return QCoreApplication::translate("Review", "Reducer temperature");
    }
    return {};
}

QString channel_unit(Channel c) {
    switch (c) {
        case Channel::EngineSpeed:
            return QCoreApplication::translate("Review", "rpm");
        case Channel::LambdaVoltage:
        case Channel::Tps:
            return QCoreApplication::translate("Review", "V");
        case Channel::Actuator:
        case Channel::StartPosition:
            return QCoreApplication::translate("Review", "steps");
        case Channel::ReducerTemperature:
            return QCoreApplication::translate("Review", "°C");
    }
    return {};
}

double channel_per_count(Channel c) {
    return c == Channel::LambdaVoltage || c == Channel::Tps ? sensor_voltage(1) : 1.0;
}

int channel_decimals(Channel c) {
    return c == Channel::LambdaVoltage || c == Channel::Tps ? 2 : 0;
}

QString time_text(double seconds, double resolution) {
    const int decimals =
        resolution >= 1 ? 0
                        : std::min(3, static_cast<int>(std::ceil(-std::log10(resolution) - 1e-9)));
    const double scale = std::pow(10.0, decimals);
    const long long units = std::llround(std::max(seconds, 0.0) * scale);
    const long long whole = units / static_cast<long long>(scale);
    const long long h = whole / 3600, m = whole / 60 % 60;
    const double s = static_cast<double>(units) / scale - static_cast<double>(whole - whole % 60);
    const QString sec =
        QStringLiteral("%1").arg(s, decimals ? 3 + decimals : 2, 'f', decimals, QLatin1Char('0'));
    return h ? QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(sec)
             : QStringLiteral("%1:%2").arg(m).arg(sec);
}

ChartLayout chart_layout(QSize size) {
    ChartLayout l;
    const int bottom = size.height() - kAxis;
    const int bands_top = bottom - kBandCount * (kBand + 1);
    l.plot = QRect(QPoint(kLeft, kTop),
                   QPoint(std::max(kLeft + 10, size.width() - kRight) - 1, bottom - 1));
    for (int i = 0; i < kBandCount; ++i)
        l.bands[i] = QRect(l.plot.left(), bands_top + i * (kBand + 1), l.plot.width(), kBand);
    const int n = static_cast<int>(kStrips.size());
    const int strip_h = std::max(10, (bands_top - kGap - kTop - (n - 1) * kGap) / n);
    for (int i = 0; i < n; ++i)
        l.strips[i] = QRect(l.plot.left(), kTop + i * (strip_h + kGap), l.plot.width(), strip_h);
    l.axis = QRect(l.plot.left(), bottom, l.plot.width(), kAxis);
    return l;
}

double ChartLayout::time_at(const ChartScene& s, double x) const {
    return s.window.t0 + (x - plot.left()) / plot.width() * s.window.span();
}

double ChartLayout::x_of(const ChartScene& s, double t) const {
    return plot.left() + (t - s.window.t0) / s.window.span() * plot.width();
}

void paint_charts(QPainter& p, QSize size, qreal dpr, const ChartScene& s) {
    const ChartLayout l = chart_layout(size);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const QFontMetrics fm(font);
    if (!s.drive || s.drive->samples.size() == 0) {
        p.setPen(Qt::darkGray);
        p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter,
                   QCoreApplication::translate("Review", "Open a recording with Ctrl+O."));
        return;
    }
    const DriveSamples& d = s.drive->samples;
    const TimeWindow& w = s.window;
    const std::size_t columns =
        static_cast<std::size_t>(std::max(1L, std::lround(l.plot.width() * dpr)));
    const int x0 = static_cast<int>(std::lround(l.plot.left() * dpr));
    const std::vector<std::size_t> bounds = column_bounds(d, w.t0, w.t1, columns);
    std::vector<std::uint8_t> bands, overlay_bands;
    column_bands(*s.drive, bounds, bands);
    std::vector<std::size_t> overlay_bounds;
    if (s.overlay) {
        overlay_bounds = column_bounds(s.overlay->samples, w.t0 - s.overlay_shift,
                                       w.t1 - s.overlay_shift, columns);
        column_bands(*s.overlay, overlay_bounds, overlay_bands);
    }
    std::vector<ColumnRange> cols;

    // Vertical grid at the time ticks.
    const double step = tick_step(w.span(), l.plot.width());
    std::vector<std::pair<int, double>> ticks;
    for (double t = std::ceil(w.t0 / step) * step; t <= w.t1 + 1e-9; t += step)
        ticks.emplace_back(static_cast<int>(std::lround(l.x_of(s, t))), t);

    for (std::size_t i = 0; i < kStrips.size(); ++i) {
        const StripLayout& strip = kStrips[i];
        const QRect r = l.strips[i];
        p.setPen(kGrid);
        for (const auto& [x, t] : ticks)
            p.drawLine(x, r.top(), x, r.bottom());
        const auto [lo, hi] = strip_range(s, strip);
        const Mapping m{r.top() * dpr, r.height() * dpr, lo, hi};
        p.save();
        p.setClipRect(r);
        p.scale(1 / dpr, 1 / dpr);
        if (strip.channel == Channel::LambdaVoltage && s.drive->switching_point_v) {
            p.setPen(QPen(QColor(120, 120, 120), dpr, Qt::DashLine));
            const int y = m.y(*s.drive->switching_point_v / channel_per_count(strip.channel));
            p.drawLine(x0, y, x0 + static_cast<int>(columns), y);
        }
        if (strip.under) {
            s.drive->envelope->channel(*strip.under, bounds, cols);
            draw_trace(p, x0, m, cols, bands, kUnder);
        }
        if (s.overlay) {
            s.overlay->envelope->channel(strip.channel, overlay_bounds, cols);
            draw_trace(p, x0, m, cols, overlay_bands, kOverlay);
        }
        s.drive->envelope->channel(strip.channel, bounds, cols);
        draw_trace(p, x0, m, cols, bands, kTraceColours[i]);
        p.restore();
        p.setPen(QColor(160, 160, 160));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        // Name and unit inside the strip, the scale's ends beside it.
        const QString name =
            QStringLiteral("%1 (%2)").arg(channel_name(strip.channel), channel_unit(strip.channel));
        const QRect label(r.left() + 3, r.top() + 1, fm.horizontalAdvance(name) + 4, fm.height());
        p.fillRect(label, QColor(255, 255, 255, 210));
        p.setPen(kTraceColours[i]);
        p.drawText(label, Qt::AlignCenter, name);
        p.setPen(Qt::black);
        const auto number = [&](double count) {
            return QString::number(count * channel_per_count(strip.channel), 'f',
                                   channel_decimals(strip.channel));
        };
        const QRect scale(0, r.top(), kLeft - 4, r.height());
        p.drawText(scale, Qt::AlignRight | Qt::AlignTop, number(hi));
        p.drawText(scale, Qt::AlignRight | Qt::AlignBottom, number(lo));
    }

    // The bands: fuel (gas above, petrol below), LPG off, cut-off, learning, link.
    const double cw = 1 / dpr;
    const QString band_names[kBandCount] = {QCoreApplication::translate("Review", "Fuel"),
                                            QCoreApplication::translate("Review", "LPG off"),
                                            QCoreApplication::translate("Review", "Cut-off"),
                                            QCoreApplication::translate("Review", "Learning"),
                                            QCoreApplication::translate("Review", "Link")};
    for (int i = 0; i < kBandCount; ++i) {
        const QRectF r = QRectF(l.bands[i]).adjusted(l.plot.left() - x0 / dpr, 0, 0, 0);
        p.fillRect(l.bands[i], QColor(245, 245, 245));
        p.setPen(Qt::black);
        p.drawText(QRect(0, l.bands[i].top() - 1, kLeft - 4, kBand + 2),
                   Qt::AlignRight | Qt::AlignVCenter, band_names[i]);
        switch (i) {
            case 0: {
                const QRectF upper(r.left(), r.top(), r.width(), r.height() / 2);
                const QRectF lower(r.left(), r.center().y(), r.width(), r.height() / 2);
                draw_band(p, upper, cw, bands, [](std::uint8_t b) {
                    return (b & row_bit::Gas) ? QColor(0, 170, 60) : QColor();
                });
                draw_band(p, lower, cw, bands, [](std::uint8_t b) {
                    return (b & band_bit::Petrol) ? QColor(230, 150, 0) : QColor();
                });
                break;
            }
            case 1:
                draw_band(p, r, cw, bands, [](std::uint8_t b) {
                    return (b & row_bit::LpgOff) ? QColor(220, 30, 30) : QColor();
                });
                break;
            case 2:
                draw_band(p, r, cw, bands, [](std::uint8_t b) {
                    return (b & row_bit::CutOff) ? QColor(40, 90, 220) : QColor();
                });
                break;
            case 3:
                draw_band(p, r, cw, bands, [](std::uint8_t b) {
                    return (b & row_bit::Learning) ? QColor(150, 60, 170) : QColor();
                });
                break;
            default:
                draw_band(p, r, cw, bands, [](std::uint8_t b) {
                    return (b & band_bit::NoReadings) ? QColor(200, 40, 40)
                           : b                        ? QColor(190, 225, 190)
                                                      : QColor();
                });
        }
    }

    // The time axis.
    p.setPen(Qt::black);
    const double resolution = step >= 1 ? 1 : step;
    for (const auto& [x, t] : ticks) {
        p.drawLine(x, l.axis.top(), x, l.axis.top() + 3);
        const QString text = time_text(t, resolution);
        const int tw = fm.horizontalAdvance(text);
        p.drawText(QRect(std::clamp(x - tw / 2, l.plot.left(), l.plot.right() - tw),
                         l.axis.top() + 3, tw + 1, fm.height()),
                   Qt::AlignLeft, text);
    }

    // Events, the fitter's markers and the cursors, across strips and bands.
    const int top = l.plot.top(), bottom = l.bands[kBandCount - 1].bottom();
    const auto visible = [&](double t) { return t >= w.t0 && t <= w.t1; };
    int label_end = -1000;
    for (const EventMark& e : s.drive->marks) {
        if (!visible(e.t))
            continue;
        const int x = static_cast<int>(std::lround(l.x_of(s, e.t)));
        p.setPen(QPen(event_colour(e.kind), 0, Qt::DotLine));
        p.drawLine(x, top, x, bottom);
        const QString text = event_text(e.kind);
        if (x > label_end + 2) {
            p.setPen(event_colour(e.kind));
            p.drawText(QPoint(x + 2, top - 4), text);
            label_end = x + 2 + fm.horizontalAdvance(text);
        }
    }
    for (const Marker& m : s.drive->markers) {
        if (!visible(m.t))
            continue;
        const int x = static_cast<int>(std::lround(l.x_of(s, m.t)));
        p.setPen(QPen(kMarker, 1));
        p.drawLine(x, top - 6, x, bottom);
        const QString note =
            fm.elidedText(QString::fromStdString(m.note).simplified(), Qt::ElideRight, 160);
        const QRect box(x + 2, l.strips[0].top() + fm.height() + 2, fm.horizontalAdvance(note) + 4,
                        fm.height());
        p.fillRect(box, QColor(255, 255, 255, 220));
        p.drawText(box, Qt::AlignCenter, note);
    }
    const auto cursor = [&](const std::optional<double>& t, const QColor& colour,
                            const QString& name) {
        if (!t || !visible(*t))
            return;
        const int x = static_cast<int>(std::lround(l.x_of(s, *t)));
        p.setPen(QPen(colour, 1));
        p.drawLine(x, top, x, l.axis.top() + 3);
        const QRect tag(x - 6, l.axis.top() + 3, 12, fm.height());
        p.fillRect(tag, colour);
        p.setPen(Qt::white);
        p.drawText(tag, Qt::AlignCenter, name);
    };
    cursor(s.cursor_a, kCursorA, QStringLiteral("A"));
    cursor(s.cursor_b, kCursorB, QStringLiteral("B"));

    if (s.overlay) {
        const QString legend =
            QCoreApplication::translate("Review", "Overlay: %1")
                .arg(QString::fromStdString(s.overlay->path).section(QLatin1Char('/'), -1));
        const int lw = fm.horizontalAdvance(legend);
        p.fillRect(QRect(l.plot.right() - lw - 8, 0, lw + 8, kTop - 1), kOverlay);
        p.setPen(Qt::black);
        p.drawText(QRect(l.plot.right() - lw - 4, 0, lw + 4, kTop - 1), Qt::AlignCenter, legend);
    }
}

}  // namespace tarvex
