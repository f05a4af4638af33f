// SPDX-License-Identifier: MIT
#pragma once

#include "gfx/canvas.h"

// The shared drawing palette: solid pens and brushes used by every view.
namespace tarvex::palette {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kLightGrey{210, 210, 210};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kDarkGreen{0, 128, 0};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kDarkOlive{128, 120, 0};

inline constexpr Pen kPenCyan{kCyan, 1};
inline constexpr Pen kPenDarkGreen{kDarkGreen, 1};
inline constexpr Pen kPenYellow{kYellow, 1};
inline constexpr Pen kPenRed{kRed, 1};
inline constexpr Pen kPenRed2{kRed, 2};
inline constexpr Pen kPenRed4{kRed, 4};
inline constexpr Pen kPenNavy{kNavy, 1};
inline constexpr Pen kPenNavy2{kNavy, 2};
inline constexpr Pen kPenBlue2{kBlue, 2};
inline constexpr Pen kPenGrey{kGrey, 1};
inline constexpr Pen kPenBlack{kBlack, 1};
inline constexpr Pen kPenBlack4{kBlack, 4};
inline constexpr Pen kPenWhite{kWhite, 1};
inline constexpr Pen kPenSilver{kSilver, 1};
inline constexpr Pen kPenDarkOlive2{kDarkOlive, 2};
inline constexpr Pen kPenGreen2{kGreen, 2};
inline constexpr Pen kPenLightGrey2{kLightGrey, 2};

inline constexpr Brush kBrushGrey{kGrey};
inline constexpr Brush kBrushGreen{kGreen};
inline constexpr Brush kBrushBlack{kBlack};
inline constexpr Brush kBrushNavy{kNavy};
inline constexpr Brush kBrushSilver{kSilver};
inline constexpr Brush kBrushCyan{kCyan};
inline constexpr Brush kBrushRed{kRed};
inline constexpr Brush kBrushWhite{kWhite};
inline constexpr Brush kBrushDarkGreen{kDarkGreen};
inline constexpr Brush kBrushYellow{kYellow};
inline constexpr Brush kBrushOlive{kOlive};

}  // namespace tarvex::palette
