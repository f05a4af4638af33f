// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace tarvex {

// A drop-down list that pauses every view's polling while it is open. The
// pause ends however the list closes: a pick, Escape, a click outside, the
// focus going to another window, or the list being destroyed. The mouse
// wheel changes the list only while it has the keyboard focus.
class PausingComboBox final : public QComboBox {
    Q_OBJECT
  public:
    PausingComboBox(int& list_paused, QWidget* parent);
    ~PausingComboBox() override;
    void showPopup() override;
    void hidePopup() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void end_pause();
    int& list_paused_;
    QWidget* popup_ = nullptr;
    bool open_ = false;
};

}  // namespace tarvex
