#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace tarvex {

struct Program;

// The program-information dialog: logo, icon, the program's version and the
// controller's, read on the dialog's own timer. Modal, centred on the screen.
class InfoDialog final : public QDialog {
    Q_OBJECT
  public:
    InfoDialog(Program& program, QWidget* parent);
    void tick();
    QTimer& timer() { return timer_; }
    QString version_text() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void set_texts();
    Program& program_;
    QTimer timer_;
    QLabel* version_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* program_label_ = nullptr;
    QLabel* controller_label_ = nullptr;
    class QPushButton* close_ = nullptr;
};

}  // namespace tarvex
