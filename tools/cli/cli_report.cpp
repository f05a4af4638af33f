// SPDX-License-Identifier: MIT
#include "cli/cli_report.h"

#include <ostream>

#include "cli/report_files.h"
#include "cli/report_json.h"
#include "recording/playback_port.h"
#include "recording/recording_reader.h"
#include "ui/format.h"

namespace tarvex::cli {

namespace {

std::string fixed(double v, int decimals) {
    return format("%.*f", decimals, v);
}

std::string optional_fixed(const std::optional<double>& v, int decimals, const char* unit) {
    return v ? fixed(*v, decimals) + unit : "unknown";
}

}  // namespace

int read_drive_report(const std::string& file, DriveReport& out, std::ostream& err) {
    Recording recording;
    std::string error;
    if (!load_recording(file, recording, error)) {
        err << "tarvex-cli: " << file << ": " << error << "\n";
        return kExitFileRefused;
    }
    if (!recording.problem.empty())
        err << "tarvex-cli: " << file << ": " << recording.problem << "\n";
    out.file = file;
    out.samples = decode_drive(recording);
    out.findings = analyse_drive(out.samples);
    return kExitOk;
}

std::string findings_text(const DriveReport& r) {
    const DriveSamples& d = r.samples;
    const DriveEvents& e = r.findings.events;
    const LambdaFinding& l = r.findings.lambda;
    const ActuatorFinding& a = r.findings.actuator;
    std::string s = "file: " + r.file + "\n";
    if (!d.first_time.empty())
        s += "recorded: " + d.first_time + " to " + d.last_time + "\n";
    if (d.generation)
        s += "controller: generation " + std::to_string(d.generation) + ", version " +
             fixed((d.generation * 100 + d.minor) / 100.0, 2) + "\n";
    s += "duration: " + minutes_seconds(e.duration_s) + " (" + std::to_string(e.rows) + " rows)\n";
    s += "on gas: " + minutes_seconds(e.gas_s) + ", on petrol: " + minutes_seconds(e.petrol_s) +
         ", warm-up: " + (e.warmup_s ? minutes_seconds(*e.warmup_s) : "no switch-over") + "\n";
    s += "switch-overs to gas: " + std::to_string(e.switchovers.size());
    if (!e.switchovers.empty()) {
        const SwitchOver& first = e.switchovers.front();
        s += " (the first at " + minutes_seconds(first.t) + ", reducer " +
             std::to_string(first.reducer_c) + " C, " + std::to_string(first.rpm) + " rpm)";
    }
    s += "\nswitch-backs to petrol: " + std::to_string(e.switchbacks.size()) +
         "\ncut-offs: " + std::to_string(e.cutoffs.size()) +
         "\nlink losses: " + std::to_string(e.link_losses.size()) +
         "\nlearning runs: " + std::to_string(e.learning.size()) + "\n";
    s += std::string("lambda: ") + verdict_word(l.verdict) + " (switching " +
         optional_fixed(l.switch_hz_gas, 2, " Hz") + " on gas, " +
         optional_fixed(l.switch_hz_petrol, 2, " Hz") + " on petrol; rich " +
         (l.rich_share_gas ? fixed(*l.rich_share_gas * 100, 0) + " %" : "unknown") +
         " of the steady time on gas; " + optional_fixed(l.min_v, 2, " V") + " to " +
         optional_fixed(l.max_v, 2, " V") + ")\n";
    s += std::string("actuator: ") + verdict_word(a.verdict) + " (hunting " +
         optional_fixed(a.hunting_steps, 1, " steps") + "; at a travel limit " +
         (a.limit_share_gas ? fixed(*a.limit_share_gas * 100, 0) + " %" : "unknown") +
         " of the time on gas)\n";
    return s;
}

int report_drive(const CliOptions& o, std::ostream& out, std::ostream& err) {
    DriveReport report;
    if (const int rc = read_drive_report(o.file, report, err))
        return rc;
    out << (o.json ? findings_json(report) : findings_text(report));
    return write_report_files(o, report, err);
}

}  // namespace tarvex::cli
