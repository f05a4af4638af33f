// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/wait.h"

namespace tarvex::window_test {

using tarvex::testing::ChildLaunch;
using tarvex::testing::ChildProcess;
using tarvex::testing::kDeadline;
using tarvex::testing::kStartDeadline;
using tarvex::testing::run_to_end;
using tarvex::testing::wait_until;

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
