// SPDX-License-Identifier: MIT
#include "cli/report_json.h"

#include <charconv>
#include <cstdio>

namespace tarvex::cli {

std::string json_string(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {

// Writes JSON members one after another, commas included.
class Json {
  public:
    std::string text;

    Json& open(const char* key, char bracket) {
        name(key);
        text += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char bracket) {
        text += bracket;
        first_ = false;
        return *this;
    }
    Json& number(const char* key, double v, int decimals = 3) {
        name(key);
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
        text.append(buf, r.ptr);
        return *this;
    }
    Json& number(const char* key, const std::optional<double>& v, int decimals = 3) {
        return v ? number(key, *v, decimals) : null(key);
    }
    Json& integer(const char* key, long long v) {
        name(key);
        text += std::to_string(v);
        return *this;
    }
    Json& string(const char* key, std::string_view s) {
        name(key);
        text += json_string(s);
        return *this;
    }
    Json& string_or_null(const char* key, std::string_view s) {
        return s.empty() ? null(key) : string(key, s);
    }
    Json& null(const char* key) {
        name(key);
        text += "null";
        return *this;
    }

  private:
    void name(const char* key) {
        if (!first_)
            text += ',';
        first_ = false;
        if (key) {
            text += '"';
            text += key;
            text += "\":";
        }
    }
    bool first_ = true;
};

void episodes(Json& j, const char* key, const std::vector<Episode>& list) {
    j.open(key, '[');
    for (const Episode& e : list)
        j.open(nullptr, '{').number("t", e.t).number("duration_s", e.duration_s).close('}');
    j.close(']');
}

}  // namespace

const char* verdict_word(Verdict v) {
    static constexpr const char* kWords[] = {"ok", "check", "fail", "unknown"};
    return kWords[static_cast<int>(v)];
}

const char* learning_end_word(LearningEnd e) {
    static constexpr const char* kWords[] = {"ended",          "left-gas",       "cut-off",
                                             "lpg-off",        "engine-stopped", "link-lost",
                                             "recording-ended"};
    return kWords[static_cast<int>(e)];
}

std::string findings_json(const DriveReport& r) {
    const DriveSamples& d = r.samples;
    const DriveEvents& e = r.findings.events;
    const LambdaFinding& l = r.findings.lambda;
    const ActuatorFinding& a = r.findings.actuator;
    Json j;
    j.open(nullptr, '{');
    j.string("file", r.file).string_or_null("started", d.first_time);
    j.string_or_null("ended", d.last_time).string_or_null("problem", d.problem);
    if (d.generation)
        j.open("controller", '{')
            .integer("generation", d.generation)
            .integer("minor", d.minor)
            .close('}');
    else
        j.null("controller");
    j.number("duration_s", e.duration_s).integer("rows", static_cast<long long>(e.rows));
    j.number("gas_s", e.gas_s).number("petrol_s", e.petrol_s).number("warmup_s", e.warmup_s);
    j.open("switchovers", '[');
    for (const SwitchOver& s : e.switchovers)
        j.open(nullptr, '{')
            .number("t", s.t)
            .integer("reducer_c", s.reducer_c)
            .integer("rpm", s.rpm)
            .close('}');
    j.close(']').open("switchbacks", '[');
    for (const double t : e.switchbacks)
        j.open(nullptr, '{').number("t", t).close('}');
    j.close(']');
    episodes(j, "cutoffs", e.cutoffs);
    episodes(j, "link_losses", e.link_losses);
    j.open("learning", '[');
    for (const LearningRun& run : e.learning)
        j.open(nullptr, '{')
            .number("t", run.t)
            .string("outcome", learning_end_word(run.end))
            .number("duration_s", run.duration_s)
            .close('}');
    j.close(']');
    j.open("lambda", '{')
        .number("switch_hz_gas", l.switch_hz_gas)
        .number("switch_hz_petrol", l.switch_hz_petrol)
        .number("rich_share_gas", l.rich_share_gas)
        .number("min_v", l.min_v)
        .number("max_v", l.max_v)
        .string("verdict", verdict_word(l.verdict))
        .number("steady_gas_s", l.steady_gas_s)
        .number("steady_petrol_s", l.steady_petrol_s)
        .number("switching_point_v", l.switching_point_v, 2)
        .integer("sensor_type", l.sensor_type)
        .close('}');
    j.open("actuator", '{')
        .number("hunting_steps", a.hunting_steps, 1)
        .number("limit_share_gas", a.limit_share_gas)
        .string("verdict", verdict_word(a.verdict))
        .close('}');
    j.close('}');
    return j.text + "\n";
}

}  // namespace tarvex::cli
