// SPDX-License-Identifier: MIT
#include "cli/cli_commands.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/paths.h"
#include "cli/cli_log.h"
#include "cli/cli_session.h"
#include "config/settings_compare.h"
#include "config/settings_file.h"
#include "gfx/text_codec.h"
#include "link/file_access.h"
#include "link/recording_row.h"
#include "link/settings_table.h"
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
    out << "link: " << link_state_word(s.image, s.link) << "\n";
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

// Opens the port and waits for a generation-2 controller; with `settings`,
// also reads what it holds. The first failure's exit code, or kExitOk.
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

int write(Session& s, const CliOptions& o) {
    ParsedSettings parsed;
    int rc = load_file(o.file, parsed, s.err);
    if (!rc)
        rc = reach_controller(s, o, false);
    if (rc)
        return rc;
    const int sent = send_settings(s.link, s.image, parsed);
    if (sent == static_cast<int>(kSettings.size()))
        return kExitOk;
    const SettingDef& d = kSettings[static_cast<std::size_t>(sent)];
    s.err << "tarvex-cli: the controller did not acknowledge " << d.key << "= "
          << static_cast<int>(parsed.values[static_cast<std::size_t>(sent)]) << " (setting "
          << sent + 1 << " of " << kSettings.size() << ", write code " << static_cast<int>(d.code)
          << "); the " << sent << " settings before it were sent\n";
    return kExitNotAcknowledged;
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
    int differing = 0;
    out << "\tsetting\tfile\tcontroller\tfile shows\tcontroller shows\tlabel\n";
    for (const CompareRow& r : compare_settings(parsed, s.image, texts)) {
        differing += r.differs;
        out << (r.differs ? "*" : "") << '\t' << r.key << "=\t" << int{r.file_value} << '\t'
            << int{r.controller_value} << '\t' << to_utf8(r.file_text(), cs) << '\t'
            << to_utf8(r.controller_text(), cs) << '\t' << to_utf8(r.label(texts), cs) << "\n";
    }
    out << differing << " of " << kSettings.size() << " settings differ\n";
    return differing ? kExitDiffers : kExitOk;
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
    if (o.command == "log") {
        out.flush();
        return log_readings(s, o);
    }
    err << "tarvex-cli: unknown command " << o.command << "\n";
    return kExitUsage;
}

}  // namespace tarvex::cli
