#include "config/options_view.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "app/program.h"
#include "gfx/text_codec.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

OptionsView::OptionsView(Program& program, int template_id, QWidget* parent)
    : SettingsView(program, 3, template_id, parent) {
    bind(options_lists(), options_checks());
    if (auto* b = qobject_cast<QPushButton*>(form_.control(1014)))
        connect(b, &QPushButton::clicked, this, &OptionsView::open_emul_do);
}

void OptionsView::fill_lists() {
    for (const ListBinding& l : options_lists())
        form_.fill(l.id, l.entries(program_.texts), charset());
}

void OptionsView::refresh() {
    form_.apply(refresh_options_view(program_.image));
}

bool OptionsView::paused() const {
    return program_.poll.InfoDialogOpen != 0 || program_.config.OptionsSubDialogOpen != 0;
}

void OptionsView::open_emul_do() {
    program_.config.OptionsSubDialogOpen = 1;
    {
        EmulDODialog dialog(program_, this);
        dialog.exec();
    }
    program_.config.OptionsSubDialogOpen = 0;
}

EmulDODialog::EmulDODialog(Program& program, QWidget* parent)
    : QDialog(parent),
      program_(program),
      form_(*dialog_template(170), this, program.poll.ListPaused) {
    const Charset cs = charset_for(program.LanguageCode);
    setWindowTitle(ui_text(program, 98));
    form_.set_texts(program.texts, cs);
    form_.layout(QSize());
    setFixedSize(form_.template_size());
    for (const ListBinding& l : emul_do_lists()) {
        form_.fill(l.id, l.entries(program.texts), cs);
        connect(form_.list(l.id), &QComboBox::activated, this, [this, &l](int k) {
            for (const Write& w : l.pick(program_.image, k))
                write_setting(program_.link, program_.image, w.code, w.value);
        });
    }
    if (auto* b = qobject_cast<QPushButton*>(form_.control(1))) {
        b->setDefault(true);
        connect(b, &QPushButton::clicked, this, &QDialog::accept);
    }
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &EmulDODialog::tick);
    // Centred on the screen, size unchanged.
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move((g.width() - width()) / 2, (g.height() - height()) / 2);
    }
}

void EmulDODialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    timer_.start(program_.link.PollPeriod);
}

void EmulDODialog::tick() {
    Program& p = program_;
    if (!p.poll.ListPaused) {
        poll_status(p.link, p.image);
        if (p.link.NoConnection == 0 && controller_generation(p.image) == 2)
            read_settings1(p.link, p.image);
        form_.apply(refresh_emul_do(p.image));
    }
    if (rearm_needed(p.poll, p.link.PollPeriod))
        timer_.start(p.link.PollPeriod);
}

}  // namespace tarvex
