// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <string>
#include <vector>

namespace tarvex {

// The opaque texts a surface shows, each where it was drawn, for as long as
// nothing has been drawn over it. Drawing the same text at the same place
// again would change no pixel, so a canvas given the memo leaves it out.
class TextMemo {
  public:
    // True when text `key` was drawn at `at` and nothing has touched it since.
    bool shows(QPoint at, const std::string& key) const;
    // Text `key` drawn at `at`, covering area; what it covers is forgotten.
    void drawn_text(QPoint at, std::string key, const QRect& area);
    // Something else drawn over area: the texts it touches are forgotten.
    void drawn_over(const QRect& area);
    void clear() { entries_.clear(); }
    // The surface is this size: a surface that changed its size (and may
    // have lost what it showed at its edges) is forgotten.
    void fit(QSize surface) {
        if (surface != size_)
            clear();
        size_ = surface;
    }

  private:
    struct Entry {
        QPoint at;
        std::string key;
        QRect area;
    };
    std::vector<Entry> entries_;
    QSize size_;
};

}  // namespace tarvex
