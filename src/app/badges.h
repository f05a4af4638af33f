#pragma once

#include <QPixmap>

namespace tarvex {

// A language badge: the two-letter code in white on grey (unchecked) or blue
// (checked), 14 x 12 pixels.
QPixmap language_badge(const char* code, bool checked);

}  // namespace tarvex
