// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractSlider>

namespace tarvex {

// A scroll bar's action as the scroll code it stands for: 0 line back,
// 1 line on, 2 page back, 3 page on, 5 thumb track; -1 for the others.
inline int scroll_code_of(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return 0;
        case QAbstractSlider::SliderSingleStepAdd:
            return 1;
        case QAbstractSlider::SliderPageStepSub:
            return 2;
        case QAbstractSlider::SliderPageStepAdd:
            return 3;
        case QAbstractSlider::SliderMove:
            return 5;
        default:
            return -1;
    }
}

inline constexpr int kNoScrollCode = -2;

// The scroll code a key sends to a focused horizontal scroll bar: the arrows
// step a line, Page Up and Page Down a page back and on, Home and End go to
// the top (6) and the bottom (7). kNoScrollCode for any other key.
inline int scroll_code_of_key(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return 0;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return 1;
        case Qt::Key_PageUp:
            return 2;
        case Qt::Key_PageDown:
            return 3;
        case Qt::Key_Home:
            return 6;
        case Qt::Key_End:
            return 7;
        default:
            return kNoScrollCode;
    }
}

}  // namespace tarvex
