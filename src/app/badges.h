// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvex {

// A language badge: the two-letter code in white on grey (unchecked) or blue
// (checked), 14 x 12 pixels.
QPixmap language_badge(const char* code, bool checked);
// The badge as a menu item's icon, the same picture in every mode: a checked
// language's item may be disabled, and Qt would grey its icon.
QIcon language_badge_icon(const char* code, bool checked);

}  // namespace tarvex
