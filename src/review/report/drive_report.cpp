// SPDX-License-Identifier: MIT
#include "review/report/drive_report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include "config/controller_commands.h"
#include "config/settings_compare.h"
#include "config/settings_file.h"
#include "files/file_access.h"
#include "gfx/qpainter_canvas.h"
#include "gfx/text_codec.h"
#include "link/conversions.h"
#include "link/settings_table.h"
#include "review/envelope.h"
#include "review/report/report_chart.h"
#include "ui/format.h"
#include "ui/size_modes.h"

namespace tarvex {

namespace {

// Charts are drawn at three pixels a point of the page, sharp in print.
constexpr int kChartScale = 3;
constexpr int kChartWidth = 330, kChartHeight = 112;

struct Words {
    const ReportLanguage& language;
    char decimal;
    Charset charset;

    QString number(double v, int decimals) const {
        return QString::fromStdString(format("%.*f", decimals, v))
            .replace(QLatin1Char('.'), QLatin1Char(decimal));
    }
    QString number(const std::optional<double>& v, int decimals, const QString& unit) const {
        return v ? number(*v, decimals) + unit : QCoreApplication::translate("Report", "unknown");
    }
    QString share(const std::optional<double>& v) const {
        return v ? number(*v * 100, 0) + QStringLiteral(" %")
                 : QCoreApplication::translate("Report", "unknown");
    }
    QString text(const std::string& bytes) const {
        return QString::fromUtf8(to_utf8(bytes, charset)).trimmed();
    }
};

QString esc(const QString& s) {
    return s.toHtmlEscaped();
}

// Minutes and seconds, or hours too, as the time axis of the charts writes them.
QString clock(double seconds) {
    return QString::fromStdString(time_label(seconds));
}

QString verdict_cell(Verdict v) {
    struct Shown {
        const char* ground;
        QString word;
    };
    const Shown s = [v]() -> Shown {
        switch (v) {
            case Verdict::Ok:
                return {"#cfe8cf", QCoreApplication::translate("Report", "OK")};
            case Verdict::Check:
                return {"#fbe3a6", QCoreApplication::translate("Report", "Check")};
            case Verdict::Fail:
                return {"#f4b6b0", QCoreApplication::translate("Report", "Fail")};
            case Verdict::Unknown:
                break;
        }
        return {"#e4e4e4", QCoreApplication::translate("Report", "Unknown")};
    }();
    return QStringLiteral("<td align=\"center\" bgcolor=\"%1\"><b>%2</b></td>")
        .arg(QLatin1String(s.ground), esc(s.word));
}

QString row(const QString& label, const QString& value) {
    return QStringLiteral("<tr><td class=\"k\">%1</td><td>%2</td></tr>")
        .arg(esc(label), esc(value));
}

// The first and last rows' local time, as a date and times of day in figures
// that read the same in every language.
QString recorded_at(const DriveSamples& d) {
    if (d.first_time.empty())
        return QCoreApplication::translate("Report", "not recorded");
    const QDateTime first =
        QDateTime::fromString(QString::fromStdString(d.first_time), Qt::ISODate);
    const QDateTime last = QDateTime::fromString(QString::fromStdString(d.last_time), Qt::ISODate);
    if (!first.isValid())
        return QString::fromStdString(d.first_time);
    const QString from = first.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!last.isValid())
        return from;
    return from + QStringLiteral(" – ") +
           last.toString(first.date() == last.date() ? QStringLiteral("HH:mm")
                                                     : QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString drive_table(const DriveSamples& d, const DriveEvents& e, const Words& w) {
    QString s = QStringLiteral("<table class=\"kv\" cellspacing=\"0\" cellpadding=\"2\">");
    s += row(QCoreApplication::translate("Report", "Date"), recorded_at(d));
    s += row(QCoreApplication::translate("Report", "Length"), clock(e.duration_s));
    s += row(QCoreApplication::translate("Report", "Controller"),
             d.generation ? QCoreApplication::translate("Report", "generation %1, version %2")
                                .arg(d.generation)
                                .arg(w.number((d.generation * 100 + d.minor) / 100.0, 2))
                          : QCoreApplication::translate("Report", "not recorded"));
    s += row(QCoreApplication::translate("Report", "On gas"), clock(e.gas_s));
    s += row(QCoreApplication::translate("Report", "On petrol"), clock(e.petrol_s));
    s += row(
        QCoreApplication::translate("Report", "Warm-up to gas"),
        e.warmup_s ? clock(*e.warmup_s) : QCoreApplication::translate("Report", "no switch-over"));
    QString over = QString::number(e.switchovers.size());
    if (!e.switchovers.empty()) {
        const SwitchOver& first = e.switchovers.front();
        over += QCoreApplication::translate("Report", " (the first at %1: reducer %2 °C, %3 rpm)")
                    .arg(clock(first.t))
                    .arg(first.reducer_c)
                    .arg(first.rpm);
    }
    s += row(QCoreApplication::translate("Report", "Switch-overs to gas"), over);
    s += row(QCoreApplication::translate("Report", "Switch-backs to petrol"),
             QString::number(e.switchbacks.size()));
    s += row(QCoreApplication::translate("Report", "Fuel cut-offs"),
             QString::number(e.cutoffs.size()));
    s += row(QCoreApplication::translate("Report", "Link losses"),
             QString::number(e.link_losses.size()));
    s += row(QCoreApplication::translate("Report", "Learning runs"),
             QString::number(e.learning.size()));
    return s + QStringLiteral("</table>");
}

QString fields_table(const ReportFields& f) {
    auto field = [](const QString& label, const QString& value) {
        return QStringLiteral("<tr><td class=\"k\">%1</td><td class=\"f\">%2</td></tr>")
            .arg(esc(label),
                 value.trimmed().isEmpty() ? QStringLiteral("&nbsp;") : esc(value.trimmed()));
    };
    return QStringLiteral(
               "<table class=\"fields\" width=\"100%\" cellspacing=\"0\" "
               "cellpadding=\"4\" border=\"1\">") +
           field(QCoreApplication::translate("Report", "Vehicle"), f.vehicle) +
           field(QCoreApplication::translate("Report", "Registration"), f.registration) +
           field(QCoreApplication::translate("Report", "Customer"), f.customer) +
           field(QCoreApplication::translate("Report", "Fitter"), f.fitter) +
           QStringLiteral("</table>");
}

QString findings_table(const DriveFindings& f, const Words& w) {
    const LambdaFinding& l = f.lambda;
    const ActuatorFinding& a = f.actuator;
    const QString hz = QStringLiteral(" Hz"), volts = QStringLiteral(" V");
    const QString lambda =
        QCoreApplication::translate("Report",
                                    "switching %1 on gas, %2 on petrol; rich %3 of the steady "
                                    "time on gas; %4 to %5")
            .arg(w.number(l.switch_hz_gas, 2, hz), w.number(l.switch_hz_petrol, 2, hz),
                 w.share(l.rich_share_gas), w.number(l.min_v, 2, volts),
                 w.number(l.max_v, 2, volts));
    const QString actuator =
        QCoreApplication::translate("Report", "hunting %1; at a travel limit %2 of the time on gas")
            .arg(w.number(a.hunting_steps, 1,
                          QLatin1Char(' ') + QCoreApplication::translate("Report", "steps")),
                 w.share(a.limit_share_gas));
    QString s = QStringLiteral(
                    "<table class=\"grid\" width=\"100%\" cellspacing=\"0\" "
                    "cellpadding=\"4\" border=\"1\"><tr><th align=\"left\" "
                    "width=\"22%\">%1</th><th width=\"14%\">%2</th><th "
                    "align=\"left\">%3</th></tr>")
                    .arg(esc(QCoreApplication::translate("Report", "Check")),
                         esc(QCoreApplication::translate("Report", "Verdict")),
                         esc(QCoreApplication::translate("Report", "What the drive shows")));
    s += QStringLiteral("<tr><td>%1</td>%2<td>%3</td></tr>")
             .arg(esc(QCoreApplication::translate("Report", "Lambda sensor")),
                  verdict_cell(l.verdict), esc(lambda));
    s += QStringLiteral("<tr><td>%1</td>%2<td>%3</td></tr>")
             .arg(esc(QCoreApplication::translate("Report", "Gas actuator")),
                  verdict_cell(a.verdict), esc(actuator));
    s += QStringLiteral("</table><p class=\"note\">%1</p>")
             .arg(esc(QCoreApplication::translate(
                 "Report",
                 "OK: within the limits. Check: worth a look at the next service. Fail: needs "
                 "repair. Unknown: too little steady driving in the recording to judge.")));
    return s;
}

// The settings of the last span of the drive, a row per control as the
// views show them, in two columns; the rows of a block the recording did not
// read are left out.
QString settings_section(const DriveSamples& d, const Words& w) {
    if (d.settings.empty())
        return QStringLiteral("<p>%1</p>")
            .arg(esc(QCoreApplication::translate(
                "Report", "The recording holds no settings read from the controller.")));
    const SettingsSpan& span = d.settings.back();
    ControllerImage m = span.image();
    for (std::size_t r = d.size(); r-- > span.first_row;)
        if (d.has(r, row_bit::Readings)) {
            m.LiveFrame[live::AttInit] =
                static_cast<std::uint8_t>(d.value(Channel::StartPosition, r));
            break;
        }
    ParsedSettings parsed;
    parsed.ok = true;
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        parsed.values[i] = setting_value(m, kSettings[i]);
    std::vector<std::pair<QString, QString>> shown;
    bool left_out = false;
    for (const CompareRow& r : compare_settings(parsed, nullptr, w.language.texts, w.decimal)) {
        const Frame frame = kSettings[r.settings.front()].frame;
        if ((frame == Frame::Block1 && !span.has_block1()) ||
            (frame == Frame::Block2 && !span.has_block2())) {
            left_out = true;
            continue;
        }
        const std::string_view key = r.key();
        const QString label =
            r.label_slot >= 0
                ? w.text(w.language.texts[r.label_slot])
                : QCoreApplication::translate("Compare", "%1: bits no control sets")
                      .arg(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
        QString value = w.text(r.file.text);
        if (!r.file.offered)
            value += QLatin1Char(' ') + QCoreApplication::translate("Compare", "(not in the list)");
        shown.emplace_back(label, value);
    }
    QString s;
    if (d.settings.size() > 1)
        s += QStringLiteral("<p class=\"note\">%1</p>")
                 .arg(esc(QCoreApplication::translate(
                     "Report", "The settings changed during the drive; shown as at its end.")));
    if (left_out)
        s += QStringLiteral("<p class=\"note\">%1</p>")
                 .arg(esc(QCoreApplication::translate(
                     "Report", "Settings the recording did not read are left out.")));
    const std::size_t half = (shown.size() + 1) / 2;
    s += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>");
    for (int col = 0; col < 2; ++col) {
        s += QStringLiteral(
            "<td width=\"50%\" valign=\"top\"><table class=\"grid\" "
            "width=\"98%\" cellspacing=\"0\" cellpadding=\"2\" border=\"1\">");
        for (std::size_t i = col * half; i < std::min(shown.size(), (col + 1) * half); ++i)
            s += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                     .arg(esc(shown[i].first), esc(shown[i].second));
        s += QStringLiteral("</table></td>");
    }
    return s + QStringLiteral("</tr></table>");
}

QImage chart_image(const DriveSamples& d, const DriveEnvelope& envelope, const DriveEvents& e,
                   Channel channel, ReportChart chart) {
    chart.width = kChartWidth;
    chart.height = kChartHeight;
    chart.duration_s = e.duration_s;
    const Rect plot = report_plot_area(chart.width, chart.height);
    const auto bounds =
        column_bounds(d, 0, e.duration_s + 1e-6, static_cast<std::size_t>(plot.right - plot.left));
    envelope.channel(channel, bounds, chart.columns);
    envelope.bands(bounds, chart.bands);
    QImage image(kChartWidth * kChartScale, kChartHeight * kChartScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kChartScale);
    {
        QPainterCanvas canvas(image);
        draw_report_chart(canvas, chart);
    }
    image.setDevicePixelRatio(1);
    return image;
}

QString charts_section(const DriveSamples& d, const DriveFindings& f, const Words& w,
                       std::vector<std::pair<QString, QImage>>& charts) {
    if (d.size() < 2)
        return {};
    const DriveEnvelope envelope(d);
    struct Wanted {
        QString caption;
        Channel channel;
        ReportChart chart;
    };
    ReportChart rpm, lambda, actuator, reducer;
    lambda.unit_per_count = sensor_voltage(1);
    lambda.decimals = 1;
    lambda.marker = f.lambda.switching_point_v;
    lambda.color = {180, 30, 30};
    actuator.color = {20, 120, 60};
    reducer.from_zero = false;
    reducer.color = {120, 60, 150};
    for (ReportChart* c : {&rpm, &lambda, &actuator, &reducer})
        c->decimal_separator = w.decimal;
    const Wanted wanted[] = {
        {QCoreApplication::translate("Report", "Engine speed (rpm)"), Channel::EngineSpeed, rpm},
        {QCoreApplication::translate("Report", "Lambda voltage (V)"), Channel::LambdaVoltage,
         lambda},
        {QCoreApplication::translate("Report", "Actuator (steps)"), Channel::Actuator, actuator},
        {QCoreApplication::translate("Report", "Reducer temperature (°C)"),
         Channel::ReducerTemperature, reducer},
    };
    // Two charts a row: their captions, then the pictures.
    QString s = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">");
    for (std::size_t i = 0; i < std::size(wanted); i += 2) {
        QString captions, pictures;
        for (std::size_t k = i; k < i + 2; ++k) {
            const QString name = QStringLiteral("chart-%1.png").arg(k + 1);
            charts.emplace_back(
                name, chart_image(d, envelope, f.events, wanted[k].channel, wanted[k].chart));
            captions += QStringLiteral("<td width=\"50%\" class=\"cap\">%1</td>")
                            .arg(esc(wanted[k].caption));
            pictures += QStringLiteral("<td><img src=\"%1\" width=\"%2\" height=\"%3\"></td>")
                            .arg(name)
                            .arg(kChartWidth)
                            .arg(kChartHeight);
        }
        s += QStringLiteral("<tr>%1</tr><tr>%2</tr>").arg(captions, pictures);
    }
    s += QStringLiteral("</table><p class=\"note\">%1</p>")
             .arg(esc(QCoreApplication::translate(
                 "Report",
                 "Green ground: running on gas; grey: no readings. The orange line is the "
                 "lambda switching point. Each chart keeps the lowest and highest value of every "
                 "moment.")));
    return s;
}

const char* const kStyle =
    "body { font-family: 'DejaVu Sans', 'Liberation Sans', sans-serif; font-size: 8.5pt; "
    "color: #1e1e1e; }"
    "h1 { font-size: 16pt; color: #1f3a60; margin: 0; }"
    "h2 { font-size: 10.5pt; color: #1f3a60; margin-top: 10px; margin-bottom: 4px; }"
    "table.grid, table.fields { border-collapse: collapse; border-color: #a0a0a0; }"
    "th { background-color: #e8edf3; }"
    "td.k { color: #505050; padding-right: 10px; }"
    "td.f { font-weight: bold; }"
    "p.note { font-size: 7.5pt; color: #606060; margin-top: 3px; }"
    "td.cap { font-weight: bold; padding-top: 4px; }"
    "p.head { color: #606060; margin: 0; }";

// The page's margins in millimetres.
const QMarginsF kMargins(15, 12, 15, 12);

// Lays the report out in pages of the page's size on a paint device, fonts
// and pictures at the device's resolution.
void lay_out(QTextDocument& text, const DriveReportDocument& doc, QPaintDevice& device,
             QSizeF page) {
    text.documentLayout()->setPaintDevice(&device);
    text.setPageSize(page);
    for (const auto& [name, image] : doc.charts)
        text.addResource(QTextDocument::ImageResource, QUrl(name), image);
    text.setHtml(doc.html);
}

}  // namespace

DriveReportDocument make_drive_report(const DriveSamples& d, const DriveFindings& f,
                                      const ReportFields& fields, const ReportLanguage& language) {
    const Words w{language, decimal_separator(language.code), charset_for(language.code)};
    DriveReportDocument doc;
    const QString title = QCoreApplication::translate("Report", "Drive report");
    QString& h = doc.html;
    h = QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
            "<style>%2</style></head><body>")
            .arg(esc(title), QLatin1String(kStyle));
    h += QStringLiteral(
             "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>"
             "<h1>%1</h1><p class=\"head\">%2</p></td><td align=\"right\" "
             "valign=\"top\"><p class=\"head\">%3</p></td></tr></table><hr>")
             .arg(esc(title),
                  esc(QCoreApplication::translate(
                      "Report", "LPG installation checked from a recorded drive")),
                  esc(QStringLiteral("Tarvex %1").arg(QLatin1String(kProgramVersion))));
    h += QStringLiteral(
             "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
             "<td width=\"55%\" valign=\"top\"><h2>%1</h2>%2</td>"
             "<td width=\"45%\" valign=\"top\"><h2>%3</h2>%4</td></tr></table>")
             .arg(esc(QCoreApplication::translate("Report", "The drive")),
                  drive_table(d, f.events, w),
                  esc(QCoreApplication::translate("Report", "Vehicle and customer")),
                  fields_table(fields));
    if (!d.problem.empty())
        h += QStringLiteral("<p class=\"note\">%1</p>")
                 .arg(esc(QCoreApplication::translate("Report",
                                                      "The recording was read only in part: %1")
                              .arg(QString::fromStdString(d.problem))));
    h += QStringLiteral("<h2>%1</h2>").arg(esc(QCoreApplication::translate("Report", "Findings")));
    h += findings_table(f, w);
    h += QStringLiteral("<h2>%1</h2>")
             .arg(esc(QCoreApplication::translate("Report", "Charts of the drive")));
    h += charts_section(d, f, w, doc.charts);
    // The settings on a page of their own, whole.
    h += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>")
             .arg(esc(QCoreApplication::translate("Report", "Settings in force")));
    h += settings_section(d, w);
    h += QStringLiteral("<p class=\"note\"><br>%1</p></body></html>\n")
             .arg(esc(QCoreApplication::translate(
                 "Report", "Signature of the fitter: ..............................")));
    return doc;
}

QByteArray drive_report_bytes(const DriveReportDocument& doc, ReportFormat format, int* pages) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (format == ReportFormat::Html) {
        QString html = doc.html;
        for (const auto& [name, image] : doc.charts) {
            QByteArray png;
            QBuffer png_buffer(&png);
            png_buffer.open(QIODevice::WriteOnly);
            image.save(&png_buffer, "PNG");
            html.replace(QStringLiteral("src=\"%1\"").arg(name),
                         QStringLiteral("src=\"data:image/png;base64,%1\"")
                             .arg(QLatin1String(png.toBase64())));
        }
        return html.toUtf8();
    }
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(kMargins, QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Tarvex %1").arg(QLatin1String(kProgramVersion)));
    writer.setTitle(QCoreApplication::translate("Report", "Drive report"));
    QTextDocument text;
    lay_out(text, doc, writer, QSizeF(writer.width(), writer.height()));
    if (pages)
        *pages = text.pageCount();
    text.print(&writer);
    return out;
}

QImage drive_report_page(const DriveReportDocument& doc, int page, int dpi) {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Inch) * dpi;
    QImage image(a4.toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    const qreal mm = dpi / 25.4;
    const QRectF body(kMargins.left() * mm, kMargins.top() * mm,
                      a4.width() - (kMargins.left() + kMargins.right()) * mm,
                      a4.height() - (kMargins.top() + kMargins.bottom()) * mm);
    QTextDocument text;
    lay_out(text, doc, image, body.size());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(body.left(), body.top() - page * body.height());
    text.drawContents(&painter, QRectF(0, page * body.height(), body.width(), body.height()));
    return image;
}

bool write_report_file(const QString& path, const QByteArray& bytes, QString& error) {
    std::string why;
    if (write_file_atomically(QFile::encodeName(path).toStdString(),
                              std::string_view(bytes.constData(), bytes.size()), why))
        return true;
    error = QString::fromStdString(why);
    return false;
}

}  // namespace tarvex
