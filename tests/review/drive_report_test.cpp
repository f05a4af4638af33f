// SPDX-License-Identifier: MIT
// The customer's report: what its HTML holds, in the language asked for, and
// the pages of the PDF of a half-hour drive.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include "config/settings_compare.h"
#include "link/settings_table.h"
#include "recording/recording_reader.h"
#include "review/report/drive_report.h"
#include "sim/offline_drive.h"
#include "support/start_folder.h"

using namespace tarvex;
using DriveReport = tarvex::testing::StartFolderTest;

TEST_F(DriveReport, HoldsTheFieldsSettingsAndVerdictsInItsLanguageOnTwoPagesForHalfAnHour) {
    sim::SimController controller;
    controller.set_scenario({sim::DriveProfile::TownCold, sim::SensorFault::None, 3});
    sim::OfflineDrive drive;
    drive.path = "town.csv";
    drive.seconds = 1800;
    std::string error;
    ASSERT_TRUE(sim::write_offline_recording(controller, drive, error)) << error;
    Recording recording;
    ASSERT_TRUE(load_recording(drive.path, recording, error)) << error;
    const DriveSamples samples = decode_drive(recording);
    const DriveFindings findings = analyse_drive(samples);
    ASSERT_EQ(findings.lambda.verdict, Verdict::Ok);

    const UiTexts texts = tarvex::testing::numbered_texts("PL");
    const ReportFields fields{"Skoda <Octavia>", "WX 4821K", "Anna Nowak", QString()};
    const DriveReportDocument doc = make_drive_report(samples, findings, fields, {texts, "pol"});
    const QString& html = doc.html;
    for (const char* part : {"Skoda &lt;Octavia&gt;", "WX 4821K", "Anna Nowak", "2,06"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
    // Every row of the settings in force, labelled from the language's texts.
    ParsedSettings parsed{true, {}};
    const ControllerImage image = samples.settings.back().image();
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        parsed.values[i] = setting_value(image, kSettings[i]);
    for (const CompareRow& r : compare_settings(parsed, nullptr, texts, ',')) {
        if (r.label_slot >= 0 && kSettings[r.settings.front()].frame != Frame::Live) {
            EXPECT_TRUE(html.contains(QStringLiteral(">PL%1<").arg(r.label_slot))) << r.label_slot;
        }
    }
    // Decimal commas, and the verdict in the lambda sensor's row.
    EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("switching \\d+,\\d\\d Hz"))));
    const QString ok = QCoreApplication::translate("Report", "OK");
    EXPECT_TRUE(html.contains(
        QRegularExpression(QStringLiteral("%1</td><td[^>]*><b>%2</b>")
                               .arg(QCoreApplication::translate("Report", "Lambda sensor"), ok))));
    EXPECT_EQ(doc.charts.size(), 4u);

    int pages = 0;
    const QByteArray pdf = drive_report_bytes(doc, ReportFormat::Pdf, &pages);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // The page objects of the PDF itself, as a viewer counts them.
    EXPECT_EQ(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))),
        pages);
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, 2);
}
