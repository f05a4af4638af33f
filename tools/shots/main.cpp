// SPDX-License-Identifier: MIT
// tarvex-shots: renders the main window with each view, at each size and in
// each language, to PNG files, on whatever Qt platform is in use (offscreen
// on a machine without a display). For looking at what the program shows.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <string>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/paths.h"
#include "app/program_settings.h"
#include "app/view_factory.h"
#include "app/views.h"
#include "config/info_dialog.h"
#include "files/process_start.h"
#include "ports/posix_serial_port.h"
#include "recording/recording_reader.h"
#include "review/report/drive_report.h"
#include "support/scripted_serial_port.h"
#include "ui/qt_translation.h"

namespace {

// The pages of a recording's report, with fields filled in as a fitter would.
int report_pages(const QString& csv, const QString& out, const QString& lang) {
    tarvex::Recording recording;
    std::string error;
    if (!tarvex::load_recording(csv.toStdString(), recording, error)) {
        std::fprintf(stderr, "tarvex-shots: %s: %s\n", qPrintable(csv), error.c_str());
        return 3;
    }
    tarvex::install_qt_translation(lang.toStdString());
    tarvex::UiTexts texts;
    tarvex::load_language_file(
        tarvex::language_file_path(tarvex::current_directory(), lang.toStdString(),
                                   tarvex::program_directory()),
        texts);
    const tarvex::DriveSamples samples = tarvex::decode_drive(recording);
    const tarvex::DriveReportDocument doc = tarvex::make_drive_report(
        samples, tarvex::analyse_drive(samples),
        {QStringLiteral("Skoda Octavia III 1.6 MPI, LPG 2019"), QStringLiteral("WX 4821K"),
         QStringLiteral("Anna Nowak"), QStringLiteral("Marek Zielinski")},
        {texts, lang.toStdString()});
    int pages = 0;
    tarvex::drive_report_bytes(doc, tarvex::ReportFormat::Pdf, &pages);
    for (int p = 0; p < pages; ++p)
        tarvex::drive_report_page(doc, p, 110)
            .save(QStringLiteral("%1/report-page%2.png").arg(out).arg(p + 1));
    std::printf("%d report pages written to %s\n", pages, qPrintable(out));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tarvex::prepare_process();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList args = app.arguments();
    if (args.size() < 2 || args[1] == QLatin1String("--help")) {
        std::puts(
            "Usage: tarvex-shots OUTDIR [LANG...] [--sizes 12345] [--views 123456]\n"
            "                    [--live DEVICE --seconds N] [--report FILE.csv]\n"
            "Run it in a folder beside the Lang folder (e.g. build/run). With --live the\n"
            "views poll the controller on DEVICE (COM1) for N seconds before each picture.\n"
            "With --report it renders the pages of the customer's report of a recording\n"
            "instead, in the first LANG (report-page1.png, ...).");
        return args.size() < 2 ? 2 : 0;
    }
    const QString out = args[1];
    QDir().mkpath(out);
    QStringList langs;
    QString sizes = QStringLiteral("12345"), views = QStringLiteral("123456");
    QString live_device;
    int live_seconds = 0;
    QString report;
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--sizes") && i + 1 < args.size())
            sizes = args[++i];
        else if (args[i] == QLatin1String("--views") && i + 1 < args.size())
            views = args[++i];
        else if (args[i] == QLatin1String("--live") && i + 1 < args.size())
            live_device = args[++i];
        else if (args[i] == QLatin1String("--seconds") && i + 1 < args.size())
            live_seconds = args[++i].toInt();
        else if (args[i] == QLatin1String("--report") && i + 1 < args.size())
            report = args[++i];
        else
            langs << args[i];
    }
    if (langs.isEmpty())
        langs = {"pol", "ang", "rus", "lit", "ita"};
    if (!report.isEmpty())
        return report_pages(report, out, langs.value(0, QStringLiteral("ang")));
    static const QSize desktops[] = {
        {640, 480}, {800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};
    int written = 0;
    for (const QString& lang : langs) {
        for (QChar sc : sizes) {
            const int size = sc.digitValue();
            if (size < 1 || size > 5)
                continue;
            tarvex::save_settings(tarvex::kProgramSettingsFile, 1, lang.toStdString());
            tarvex::Program program;
            program.StartDirectory = tarvex::current_directory();
            program.ProgramDirectory = tarvex::program_directory();
            tarvex::ScriptedSerialPort port;  // a controller that never answers
            tarvex::PosixSerialPort real_port;
            program.link.port = &port;
            if (!live_device.isEmpty()) {
                program.link.port = &real_port;
                program.link.devices.device[0] = live_device.toStdString();
            }
            tarvex::build_dial_tables(program.dial);
            const QSize desk = desktops[size - 1];
            tarvex::MainWindow w(program, [desk] { return desk; });
            w.show();
            w.paint_sequence();
            for (QChar vc : views) {
                const int view = vc.digitValue();
                if (view < 1 || view > 6)
                    continue;
                w.run_command(tarvex::view_def(view).command);
                app.processEvents();
                // Let the view poll a live controller for a while.
                if (live_seconds > 0) {
                    QEventLoop loop;
                    QTimer::singleShot(live_seconds * 1000, &loop, &QEventLoop::quit);
                    loop.exec();
                }
                const QString name =
                    QStringLiteral("%1/%2-size%3-view%4.png").arg(out, lang).arg(size).arg(view);
                if (w.grab().save(name))
                    ++written;
            }
            // The program-information dialog after one tick.
            {
                tarvex::InfoDialog info(tarvex::info_context(program), &w);
                info.show();
                info.tick();
                app.processEvents();
                const QString name =
                    QStringLiteral("%1/%2-size%3-info.png").arg(out, lang).arg(size);
                if (info.grab().save(name))
                    ++written;
            }
            // The four pop-up menus, as they open.
            int popup = 0;
            for (QAction* a : w.tarvex_menu_bar()->actions()) {
                if (!a->menu())
                    continue;
                a->menu()->popup(w.mapToGlobal(QPoint(0, 20)));
                app.processEvents();
                const QString name =
                    QStringLiteral("%1/%2-size%3-menu%4.png").arg(out, lang).arg(size).arg(++popup);
                if (a->menu()->grab().save(name))
                    ++written;
                a->menu()->hide();
            }
        }
    }
    std::printf("%d pictures written to %s\n", written, qPrintable(out));
    return 0;
}
