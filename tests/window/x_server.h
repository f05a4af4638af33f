// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "window/child_process.h"

namespace tarvex::window_test {

// Xvfb on a display of its own choosing, and the tools that act on it:
// xdotool for the keyboard and mouse, ImageMagick's import for pictures.
class XServer {
  public:
    XServer(int width, int height, const std::string& log_file);
    bool ready() const { return !display_.empty(); }
    const std::string& display() const { return display_; }
    // What a client needs in its environment to use this display.
    std::vector<std::string> client_env() const;

    // Runs xdotool with the arguments; false when it failed. Its output goes
    // to output when given.
    bool xdotool(const std::vector<std::string>& args, std::string* output = nullptr) const;
    std::string root_window() const;
    // The whole screen, or a null image when it could not be taken.
    QImage grab() const;

  private:
    ChildProcess xvfb_;
    std::string display_;
};

}  // namespace tarvex::window_test
