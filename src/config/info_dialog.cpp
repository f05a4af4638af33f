// SPDX-License-Identifier: MIT
#include "config/info_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "config/controller_commands.h"
#include "gfx/text_codec.h"
#include "ui/template_font.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

InfoDialog::InfoDialog(const InfoContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    // Template 103: 219 x 169 dialog units in MS Sans Serif 10 point.
    setFont(template_font(10));
    const DialogUnits du = dialog_units(font());
    auto place = [&du](QWidget* w, int x, int y, int width, int height) {
        place_in_dialog_units(w, du, x, y, width, height);
    };
    const Rect whole = du.map(0, 0, 219, 169);
    setFixedSize(whole.right, whole.bottom);

    auto frame = [&](int x, int y, int w, int h) {
        auto* fr = new QFrame(this);
        fr->setFrameStyle(QFrame::Box | QFrame::Sunken);
        place(fr, x, y, w, h);
    };
    frame(7, 0, 205, 162);
    frame(14, 7, 191, 83);

    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/art/logo.png")));
    logo->setAlignment(Qt::AlignCenter);
    place(logo, 50, 22, 119, 31);
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/art/icon_32.png")));
    icon->setAlignment(Qt::AlignCenter);
    place(icon, 85, 67, 20, 20);

    name_ = new QLabel(this);
    place(name_, 109, 73, 38, 8);
    program_label_ = new QLabel(this);
    program_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(program_label_, 57, 99, 73, 8);
    auto* own = new QLabel(QString::fromLatin1(kProgramVersion), this);
    place(own, 137, 99, 13, 8);
    controller_label_ = new QLabel(this);
    controller_label_->setAlignment(Qt::AlignCenter);
    place(controller_label_, 65, 110, 89, 8);
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("control1125"));
    version_->setAlignment(Qt::AlignCenter);
    version_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(version_, 24, 121, 170, 16);
    close_ = new QPushButton(this);
    close_->setDefault(true);
    place(close_, 85, 142, 50, 14);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    set_texts();

    // Centred on the screen, not on the main window.
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move((g.width() - width()) / 2, (g.height() - height()) / 2);
    }
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &InfoDialog::tick);
    timer_.start(ctx_.link.PollPeriod);
}

void InfoDialog::set_texts() {
    auto text = [this](int slot) { return ui_text(ctx_.texts, slot); };
    name_->setText(text(text_slot::ProgramName));
    setWindowTitle(text(text_slot::InfoTitle));
    program_label_->setText(text(text_slot::ProgramVersion));
    controller_label_->setText(text(text_slot::ControllerVersion));
    close_->setText(text(text_slot::InfoClose));
}

void InfoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    set_texts();
}

void InfoDialog::tick() {
    const std::string t = poll_version_text(ctx_.link, ctx_.image, ctx_.texts.texts);
    version_->setText(ui_string(ctx_.texts, t));
}

QString InfoDialog::version_text() const {
    return version_->text();
}

void InfoDialog::done(int result) {
    timer_.stop();
    ctx_.poll.InfoDialogOpen = 0;
    QDialog::done(result);
}

}  // namespace tarvex
