// SPDX-License-Identifier: MIT
#include "cli/cli_commands.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/paths.h"
#include "cli/cli_history.h"
#include "cli/cli_log.h"
#include "cli/cli_report.h"
#include "cli/cli_session.h"
#include "config/settings_compare.h"
#include "config/settings_file.h"
#include "config/settings_send.h"
#include "files/file_access.h"
#include "gfx/text_codec.h"
#include "link/settings_table.h"
#include "link/write_journal.h"
#include "ports/find_controller.h"
#include "ports/port_names.h"
#include "ports/ports_file.h"
#include "ports/serial_devices.h"
#include "recording/recording_row.h"
#include "ui/format.h"
#include "ui/ui_texts.h"

namespace tarvex::cli {

volatile std::sig_atomic_t g_stop_requested = 0;

namespace {

int status(Session& s, const CliOptions& o, std::ostream& out) {
    if (const int rc = s.open(o.port))
        return rc;
    const int rc = s.connect();
    out << "port: " << s.device << "\n";
    out << "link: " << link_word(link_reading(s.image, s.link)) << "\n";
    if (rc == kExitOk) {
        const auto& m = s.image;
        out << "generation: " << m.ControllerGeneration << "\n";
        out << "version: "
            << format("%.2f", (m.ControllerGeneration * 100 + m.ControllerMinor) / 100.0) << "\n";
    }
    return rc;
}

// Reads and checks a settings file as File > Open does.
int load_file(const std::string& path, ParsedSettings& parsed, std::ostream& err) {
    std::string error;
    if (!read_settings_file(path, parsed, &error)) {
        err << "tarvex-cli: cannot open " << path << ": " << error << "\n";
        return kExitFileRefused;
    }
    if (!parsed.ok) {
        err << "tarvex-cli: " << path
            << " is not a valid Tarvex settings file; nothing was sent to the controller\n";
        return kExitFileRefused;
    }
    return kExitOk;
}

}  // namespace

int reach_controller(Session& s, const CliOptions& o, bool settings) {
    int rc = s.open(o.port);
    if (!rc)
        rc = s.connect();
    if (!rc)
        rc = s.require_generation_2();
    if (!rc && settings)
        rc = s.read_settings();
    return rc;
}

namespace {

int read(Session& s, const CliOptions& o) {
    if (const int rc = reach_controller(s, o, true))
        return rc;
    std::string error;
    if (!write_file_atomically(o.file, settings_file_text(s.image), error)) {
        s.err << "tarvex-cli: cannot write " << o.file << ": " << error << "\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

}  // namespace

std::string key_value(std::size_t setting, std::uint8_t value) {
    return std::string(kSettings[setting].key) + "= " + std::to_string(value);
}

int report_send(Session& s, const SendOutcome& out, const SettingValues& values) {
    if (out.confirmed())
        return kExitOk;
    const auto sent = static_cast<std::size_t>(out.sent);
    if (out.stopped_at)
        s.err << "tarvex-cli: the controller did not acknowledge "
              << key_value(*out.stopped_at, values[*out.stopped_at]) << " (setting " << sent + 1
              << " of " << out.total << ", write code "
              << static_cast<int>(kSettings[*out.stopped_at].code) << "); the " << sent
              << " settings before it were sent\n";
    if (sent > 0 && !out.read_back)
        s.err << "tarvex-cli: the controller's settings could not be read back: nothing "
                 "confirms that it holds the settings sent\n";
    for (std::size_t i : out.not_held)
        s.err << "tarvex-cli: the controller does not hold " << key_value(i, values[i])
              << ": it holds " << int{setting_value(s.image, kSettings[i])} << "\n";
    return kExitNotAcknowledged;
}

namespace {

std::string key_values(const std::vector<std::size_t>& settings, const ParsedSettings& file) {
    std::string out;
    for (std::size_t i : settings)
        out += (out.empty() ? "" : ", ") + key_value(i, file.values[i]);
    return out;
}

int write(Session& s, const CliOptions& o) {
    ParsedSettings parsed;
    int rc = load_file(o.file, parsed, s.err);
    if (rc)
        return rc;
    if (const auto odd = settings_not_offered(parsed); !odd.empty() && !o.force) {
        s.err << "tarvex-cli: " << o.file
              << " holds values that no list of Tarvex offers: " << key_values(odd, parsed)
              << "; nothing was sent (--force sends them all the same)\n";
        return kExitFileRefused;
    }
    rc = reach_controller(s, o, false);
    if (rc)
        return rc;
    // Kept in the settings history as the program keeps File > Open.
    const auto kept = journal_writes(s, o);
    SendOutcome out;
    {
        JournalChange change(s.link, ChangeSource::Cli);
        out = send_and_confirm(s.link, s.image, parsed.values);
    }
    s.link.journal = nullptr;
    if (kept)
        say_if_lost(*kept, s.err);
    return report_send(s, out, parsed.values);
}

// The keys of a row and their values in an image, each joined by a space.
std::string row_keys(const CompareRow& r) {
    std::string out;
    for (std::size_t i : r.settings)
        out += (out.empty() ? "" : " ") + std::string(kSettings[i].key) + "=";
    return out;
}

std::string row_values(const CompareRow& r, const ControllerImage& m) {
    std::string out;
    for (std::size_t i : r.settings)
        out += (out.empty() ? "" : " ") + std::to_string(setting_value(m, kSettings[i]));
    return out;
}

std::string shown(const CompareValue& v, Charset cs) {
    return to_utf8(v.text, cs) + (v.offered ? "" : " (not in the list)");
}

int compare(Session& s, const CliOptions& o, std::ostream& out) {
    ParsedSettings parsed;
    int rc = load_file(o.file, parsed, s.err);
    if (!rc)
        rc = reach_controller(s, o, true);
    if (rc)
        return rc;
    UiTexts texts;
    const std::string lang_file =
        language_file_path(current_directory(), o.language, program_directory());
    if (!load_language_file(lang_file, texts))
        s.err << "tarvex-cli: no language file " << lang_file << "; names and units left out\n";
    const Charset cs = o.language == "rus" ? Charset::Cyrillic : Charset::CentralEuropean;
    const ControllerImage from_file = image_of_settings(parsed);
    const auto rows = compare_settings(parsed, &s.image, texts, decimal_separator(o.language));
    int differing = 0;
    out << "\tsetting\tfile\tcontroller\tfile shows\tcontroller shows\tlabel\n";
    for (const CompareRow& r : rows) {
        differing += r.differs;
        std::string label = r.label_slot >= 0 ? to_utf8(texts[r.label_slot], cs)
                                              : std::string(r.key()) + ": bits no control sets";
        label.erase(label.find_last_not_of(' ') + 1);
        out << (r.differs ? "*" : "") << '\t' << row_keys(r) << '\t' << row_values(r, from_file)
            << '\t' << row_values(r, s.image) << '\t' << shown(r.file, cs) << '\t'
            << shown(*r.controller, cs) << '\t' << label << "\n";
    }
    out << differing << " of " << rows.size() << " rows differ\n";
    return differing ? kExitDiffers : kExitOk;
}

// Looks for the controller on the devices named, else on every one present.
int find(Session& s, const CliOptions& o, std::ostream& out) {
    const int com = com_number(o.port);
    if (!o.port.empty() && !com) {
        s.err << "tarvex-cli: find: --port names the port to assign the controller to, COM1 to "
                 "COM4\n";
        return kExitUsage;
    }
    std::vector<std::string> devices = o.devices;
    if (devices.empty())
        for (const SerialDevice& d : system_serial_devices())
            devices.push_back(d.path);
    s.port.set_timeout_scale(o.timeout_scale);
    const std::vector<ProbedDevice> probed = find_controller(s.port, devices);
    for (const ProbedDevice& p : probed)
        if (p.outcome == ProbedDevice::Outcome::NotOpened)
            s.err << "tarvex-cli: " << open_failure_text(p.device, p.open_error) << "; not tried\n";
    const std::string found = found_device(probed);
    if (found.empty()) {
        s.err << "tarvex-cli: "
              << (devices.empty() ? "no serial devices found"
                                  : "the controller answered on no serial device")
              << "\n";
        return kExitNoAnswer;
    }
    out << found << "\n";
    std::string error;
    if (com && !assign_port_device(kPortsFileName, com, found, &error)) {
        s.err << "tarvex-cli: cannot write " << kPortsFileName << ": " << error << "\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

}  // namespace

int write_output(const std::string& text, int rc, std::ostream& err) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EPIPE)
            return rc;
        if (n <= 0) {
            err << "tarvex-cli: cannot write the output: " << std::strerror(n < 0 ? errno : EIO)
                << "\n";
            return rc == kExitOk || rc == kExitDiffers ? kExitOutputFailed : rc;
        }
        done += static_cast<std::size_t>(n);
    }
    return rc;
}

int run_cli(const CliOptions& o, std::ostream& out, std::ostream& err) {
    Session s(err);
    s.timeout_scale = o.timeout_scale;
    if (o.command == "status")
        return status(s, o, out);
    if (o.command == "read")
        return read(s, o);
    if (o.command == "write")
        return write(s, o);
    if (o.command == "compare")
        return compare(s, o, out);
    if (o.command == "find")
        return find(s, o, out);
    if (o.command == "history" || o.command == "snapshot" || o.command == "restore" ||
        o.command == "undo")
        return run_history_command(s, o, out);
    if (o.command == "report")
        return report_drive(o, out, err);
    if (o.command == "log") {
        out.flush();
        return log_readings(s, o);
    }
    err << "tarvex-cli: unknown command " << o.command << "\n";
    return kExitUsage;
}

}  // namespace tarvex::cli
