// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QTimer>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "ui/poll_shared.h"
#include "ui/ui_text_qt.h"

class QLabel;

namespace tarvex {

// What the program-information dialog reads and writes.
struct InfoContext {
    LinkState& link;
    ControllerImage& image;
    PollShared& poll;
    ViewTexts texts;
};

// The program-information dialog: logo, icon, the program's version and the
// controller's, read on the dialog's own timer. Modal, centred on the screen.
class InfoDialog final : public QDialog {
    Q_OBJECT
  public:
    InfoDialog(const InfoContext& context, QWidget* parent);
    void tick();
    QTimer& timer() { return timer_; }
    QString version_text() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void set_texts();
    InfoContext ctx_;
    QTimer timer_;
    QLabel* version_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* program_label_ = nullptr;
    QLabel* controller_label_ = nullptr;
    class QPushButton* close_ = nullptr;
};

}  // namespace tarvex
