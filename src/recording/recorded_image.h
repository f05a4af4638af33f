// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "link/controller_image.h"
#include "link/readings_decoder.h"
#include "recording/recording.h"

namespace tarvex {

// The controller image and the link as the program held them after each row
// of a recording, rebuilt from the replies recorded exactly as the link's
// reads take them: a reply enters the image only with its frame mark and a
// good checksum, three status polls in a row without a frame mark lose the
// link and clear the image. Feed the rows in order; decode_readings() on the
// image under link() then gives what the dashboard showed at that row.
class RecordedImage {
  public:
    // Applies one row's replies.
    void apply(const Recording& recording, std::size_t row);
    // Starts from the first settings blocks the recording holds before its
    // link is first lost, instead of zeros: the program reads them every
    // fourth tick and so held them when the recording began, unless it began
    // as the link came up. Call before the first apply().
    void prime_settings(const Recording& recording);

    const ControllerImage& image() const { return image_; }
    // The link after the last row applied: as the row's "link" column names
    // it when the file has one, else as the link's own state machine gives it.
    LinkReading link() const { return link_; }

  private:
    ControllerImage image_;
    int no_connection_ = 1;
    int failed_polls_ = 0;
    bool lost_ = false;  // the link was lost, not yet answered
    LinkReading link_ = LinkReading::NoConnection;
};

}  // namespace tarvex
