// SPDX-License-Identifier: MIT
#include "scope/schema.h"

#include <cstdint>
#include <map>
#include <sstream>
#include <vector>

namespace tarvex {

SchemaLayout schema_setup(int size_mode, int client_w, int client_h) {
    SchemaLayout s;
    if (size_mode == 1 || size_mode == 2) {
        const bool small = size_mode == 1;
        s.DiagramOrigin = {10, 10};
        s.viewport_w = small ? 600 : 750;
        s.viewport_h = small ? 370 : 485;
        s.bars = true;
        s.hbar = small ? Rect{10, 380, 610, 395} : Rect{10, 495, 760, 515};
        s.vbar = small ? Rect{610, 10, 625, 380} : Rect{760, 10, 780, 495};
        s.max_x = kDiagramWidth - s.viewport_w;
        s.max_y = kDiagramHeight - s.viewport_h;
    } else {
        // Halves truncated toward zero, as integer division does.
        s.DiagramOrigin = {(client_w - kDiagramWidth) / 2, (client_h - kDiagramHeight) / 2};
    }
    return s;
}

int scroll_offset(int offset, int code, int thumb, int max) {
    const auto umax = static_cast<unsigned>(max);
    switch (code) {
        case 5:
            return static_cast<std::int16_t>(thumb);
        case 3:
        case 1: {
            const unsigned v = static_cast<unsigned>(offset + (code == 3 ? 50 : 10));
            return v > umax ? max : static_cast<int>(v);
        }
        case 2:
        case 0: {
            const unsigned v = static_cast<unsigned>(offset - (code == 2 ? 50 : 10));
            return v == 0 || v > umax ? 1 : static_cast<int>(v);
        }
        default:
            return offset;
    }
}

int diagram_bitmap_for(const std::string& code) {
    if (code == "pol")
        return 179;
    if (code == "rus")
        return 1014;
    if (code == "lit")
        return 192;
    return 182;
}

const char* diagram_picture_for(const std::string& code) {
    switch (diagram_bitmap_for(code)) {
        case 179:
            return ":/art/schema_pol.png";
        case 1014:
            return ":/art/schema_rus.png";
        case 192:
            return ":/art/schema_lit.png";
        default:
            return ":/art/schema_ang.png";
    }
}

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string f;
    while (std::getline(in, f, '\t'))
        out.push_back(f);
    return out;
}

std::string xml_escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string diagram_drawing_for(const std::string& code, const std::string& drawing,
                                const std::string& labels) {
    const std::string column_name = diagram_bitmap_for(code) == 182 ? "ang" : code;
    std::istringstream in(labels);
    std::string line;
    if (!std::getline(in, line))
        return {};
    const std::vector<std::string> head = fields(line);
    std::size_t column = 0;
    for (std::size_t i = 1; i < head.size(); ++i)
        if (head[i] == column_name)
            column = i;
    if (head.empty() || head[0] != "key" || column == 0)
        return {};
    std::map<std::string, std::string> label;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = fields(line);
        if (f.size() == head.size())
            label[f[0]] = f[column];
    }
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = drawing.find("{{", from)) != std::string::npos;) {
        const std::size_t end = drawing.find("}}", at);
        if (end == std::string::npos)
            break;
        const auto it = label.find(drawing.substr(at + 2, end - at - 2));
        if (it == label.end())
            return {};
        out += drawing.substr(from, at - from) + xml_escaped(it->second);
        from = end + 2;
    }
    return out + drawing.substr(from);
}

}  // namespace tarvex
