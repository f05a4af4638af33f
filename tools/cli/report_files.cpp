// SPDX-License-Identifier: MIT
#include "cli/report_files.h"

#include <QFile>
#include <QGuiApplication>

#include <memory>
#include <ostream>

#include "app/paths.h"
#include "review/report/drive_report.h"
#include "ui/qt_translation.h"

namespace tarvex::cli {

namespace {

// Fonts need Qt's GUI layer; the offscreen platform needs no X server. The
// layer lives while the files are written and is taken down whole after, so
// that what it holds of the fonts goes with it.
std::unique_ptr<QGuiApplication> start_gui() {
    if (QCoreApplication::instance())
        return nullptr;
    // Qt takes the options it knows out of argv: set them afresh each time.
    static char name[] = "tarvex-cli", option[] = "-platform", platform[] = "offscreen";
    static int argc;
    static char* argv[4];
    argc = 3;
    argv[0] = name;
    argv[1] = option;
    argv[2] = platform;
    argv[3] = nullptr;
    return std::make_unique<QGuiApplication>(argc, argv);
}

QString from_local(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

int write_report_files(const CliOptions& o, const DriveReport& report, std::ostream& err) {
    if (o.html.empty() && o.pdf.empty())
        return kExitOk;
    const std::unique_ptr<QGuiApplication> gui = start_gui();
    install_qt_translation(o.language);
    UiTexts texts;
    const std::string lang_file =
        language_file_path(current_directory(), o.language, program_directory());
    if (!load_language_file(lang_file, texts))
        err << "tarvex-cli: no language file " << lang_file << "; setting names left out\n";
    const ReportFields fields{from_local(o.vehicle), from_local(o.registration),
                              from_local(o.customer), from_local(o.fitter)};
    const DriveReportDocument doc =
        make_drive_report(report.samples, report.findings, fields, {texts, o.language});
    for (const auto& [path, format] :
         {std::pair{o.html, ReportFormat::Html}, std::pair{o.pdf, ReportFormat::Pdf}}) {
        if (path.empty())
            continue;
        QString error;
        if (!write_report_file(QFile::decodeName(path.c_str()), drive_report_bytes(doc, format),
                               error)) {
            err << "tarvex-cli: cannot write " << path << ": " << error.toStdString() << "\n";
            return kExitOutputFailed;
        }
    }
    return kExitOk;
}

}  // namespace tarvex::cli
