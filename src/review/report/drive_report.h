// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>
#include <utility>
#include <vector>

#include "review/drive_samples.h"
#include "review/findings.h"
#include "ui/ui_texts.h"

namespace tarvex {

// The customer's report of a drive: when and how long, the controller, the
// fields the fitter types, the settings in force as the Configuration and
// Options views label them, the findings with their verdicts and small
// charts, on at most two A4 pages for a half-hour drive.
//
// The review window's "Save report..." and tarvex-cli make it from a drive
// decoded and analysed (make_drive_report), then write its bytes
// (drive_report_bytes, write_report_file). It needs a QGuiApplication
// (fonts). Its own texts are translated in the "Report" context by the
// translator installed (install_qt_translation); the settings' labels come
// from the language file's texts.

enum class ReportFormat { Html, Pdf };

// What the fitter types; an empty field leaves a line to write on.
struct ReportFields {
    QString vehicle, registration, customer, fitter;
};

// The interface language: its language file's texts and its code ("pol",
// "ang", ...), which gives the texts' code page and the decimal separator.
struct ReportLanguage {
    const UiTexts& texts;
    std::string code;
};

// The report made, before it is written: its HTML naming each chart by a
// name of charts, and the chart images.
struct DriveReportDocument {
    QString html;
    std::vector<std::pair<QString, QImage>> charts;
};

// The report of a drive already decoded and analysed.
DriveReportDocument make_drive_report(const DriveSamples& samples, const DriveFindings& findings,
                                      const ReportFields& fields, const ReportLanguage& language);

// The bytes of a report file: HTML with the charts inside it as data URLs,
// or a PDF on A4 pages; pages, when given, gets the PDF's page count.
QByteArray drive_report_bytes(const DriveReportDocument& document, ReportFormat format,
                              int* pages = nullptr);

// A page of the PDF (counted from 0) as a picture at dpi dots per inch.
QImage drive_report_page(const DriveReportDocument& document, int page, int dpi);

// Writes the bytes of a report file, replacing a file there only once the
// new one is whole; false with error set when it cannot.
bool write_report_file(const QString& path, const QByteArray& bytes, QString& error);

}  // namespace tarvex
