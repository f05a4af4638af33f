// SPDX-License-Identifier: MIT
#include "gfx/text_memo.h"

#include <algorithm>

namespace tarvex {

bool TextMemo::shows(QPoint at, const std::string& key) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& e) { return e.at == at && e.key == key; });
}

void TextMemo::drawn_text(QPoint at, std::string key, const QRect& area) {
    drawn_over(area);
    entries_.push_back({at, std::move(key), area});
}

void TextMemo::drawn_over(const QRect& area) {
    std::erase_if(entries_, [&](const Entry& e) { return e.area.intersects(area); });
}

}  // namespace tarvex
