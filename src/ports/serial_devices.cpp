// SPDX-License-Identifier: MIT
#include "ports/serial_devices.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <set>
#include <tuple>

namespace tarvex {

namespace {

namespace fs = std::filesystem;

// Menu rank of a device node by its kind.
int rank_of(const std::string& node) {
    const std::string base = fs::path(node).filename().string();
    if (base.rfind("ttyUSB", 0) == 0)
        return 1;
    if (base.rfind("ttyACM", 0) == 0)
        return 2;
    if (base.rfind("ttyS", 0) == 0)
        return 4;
    return 3;
}

// Name order with numbers compared as numbers: ttyUSB2 before ttyUSB10.
bool natural_less(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ie = i, je = j;
            while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie])))
                ++ie;
            while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je])))
                ++je;
            const std::string na = a.substr(i, ie - i), nb = b.substr(j, je - j);
            const auto ta = na.find_first_not_of('0'), tb = nb.find_first_not_of('0');
            const std::string sa = ta == std::string::npos ? "" : na.substr(ta);
            const std::string sb = tb == std::string::npos ? "" : nb.substr(tb);
            if (sa.size() != sb.size())
                return sa.size() < sb.size();
            if (sa != sb)
                return sa < sb;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

}  // namespace

std::map<std::string, std::string> by_id_links(const std::string& folder) {
    std::map<std::string, std::string> links;
    std::error_code ec;
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path());
    std::sort(names.begin(), names.end());
    for (const fs::path& p : names) {
        const fs::path node = fs::canonical(p, ec);
        if (!ec)
            links.emplace(node.string(), p.string());
    }
    return links;
}

bool answers_termios(const std::string& node) {
    const int fd = ::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY;
    termios tio{};
    const bool ok = ::tcgetattr(fd, &tio) == 0;
    ::close(fd);
    return ok;
}

std::vector<SerialDevice> arrange_serial_devices(
    std::vector<SerialDevice> found, const std::map<std::string, std::string>& by_id,
    const std::function<bool(const std::string&)>& answers) {
    std::set<std::string> listed;
    for (const SerialDevice& d : found)
        listed.insert(d.kernel);
    for (const auto& [node, link] : by_id)
        if (!listed.count(node))
            found.push_back({node, node, {}, {}, {}});

    std::vector<SerialDevice> kept;
    std::set<std::string> seen;
    for (SerialDevice& d : found) {
        if (!seen.insert(d.kernel).second)
            continue;
        const auto link = by_id.find(d.kernel);
        if (link != by_id.end())
            d.path = link->second;
        else if (rank_of(d.kernel) == 4 && !(answers && answers(d.kernel)))
            continue;
        else
            d.path = d.kernel;
        kept.push_back(std::move(d));
    }
    auto key = [&](const SerialDevice& d) { return by_id.count(d.kernel) ? 0 : rank_of(d.kernel); };
    std::stable_sort(kept.begin(), kept.end(), [&](const SerialDevice& a, const SerialDevice& b) {
        const int ka = key(a), kb = key(b);
        if (ka != kb)
            return ka < kb;
        return natural_less(a.path, b.path);
    });
    return kept;
}

std::vector<SerialDevice> system_serial_devices() {
    std::vector<SerialDevice> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/sys/class/tty", ec)) {
        if (!fs::exists(entry.path() / "device", ec))
            continue;
        const std::string node = "/dev/" + entry.path().filename().string();
        found.push_back({node, node, {}, {}, {}});
    }
    return arrange_serial_devices(std::move(found), by_id_links(kSerialByIdFolder),
                                  answers_termios);
}

std::string device_menu_text(const SerialDevice& d) {
    std::string text = d.path;
    if (d.path != d.kernel && !d.kernel.empty())
        text += " (" + fs::path(d.kernel).filename().string() + ")";
    std::string about;
    auto add = [&](const std::string& part) {
        if (part.empty())
            return;
        if (!about.empty())
            about += ", ";
        about += part;
    };
    add(d.maker);
    add(d.model);
    if (!d.serial.empty())
        add("serial " + d.serial);
    if (!about.empty())
        text += "\t" + about;
    return text;
}

}  // namespace tarvex
