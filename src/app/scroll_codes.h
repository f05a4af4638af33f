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

}  // namespace tarvex
