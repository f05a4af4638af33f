// SPDX-License-Identifier: MIT
#include "ui/pausing_combo_box.h"

#include <QAbstractItemView>
#include <QWheelEvent>

namespace tarvex {

PausingComboBox::PausingComboBox(int& list_paused, QWidget* parent)
    : QComboBox(parent), list_paused_(list_paused) {
    // Tab and clicks give the focus; the wheel does not.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::activated, this, [this] { end_pause(); });
    // The popup's container may close by itself (focus lost, click outside)
    // without hidePopup(); its hiding ends the pause on every path.
    popup_ = view()->window();
    popup_->installEventFilter(this);
}

PausingComboBox::~PausingComboBox() {
    if (popup_)
        popup_->removeEventFilter(this);
    if (open_)
        end_pause();
}

void PausingComboBox::showPopup() {
    open_ = true;
    list_paused_ = 1;
    QComboBox::showPopup();
}

void PausingComboBox::hidePopup() {
    QComboBox::hidePopup();
    end_pause();
}

void PausingComboBox::end_pause() {
    open_ = false;
    list_paused_ = 0;
}

bool PausingComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == popup_ && event->type() == QEvent::Hide && open_)
        end_pause();
    return QComboBox::eventFilter(watched, event);
}

void PausingComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

}  // namespace tarvex
