// SPDX-License-Identifier: MIT
#include "config/settings_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QWheelEvent>

#include "gfx/text_codec.h"
#include "ui/playback_refusal.h"
#include "ui/template_font.h"

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

namespace {

// A push button whose caption wraps onto several lines.
class WrappingButton final : public QPushButton {
  public:
    explicit WrappingButton(QWidget* parent) : QPushButton(parent), label_(new QLabel(this)) {
        label_->setWordWrap(true);
        label_->setAlignment(Qt::AlignCenter);
        label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void set_caption(const QString& t) { label_->setText(t); }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QPushButton::resizeEvent(e);
        label_->setGeometry(rect().adjusted(3, 2, -3, -2));
    }

  private:
    QLabel* label_;
};

QString decode(const std::string& bytes, Charset cs) {
    return QString::fromUtf8(to_utf8(bytes, cs));
}

}  // namespace

TemplateForm::TemplateForm(const TemplateDef& def, QWidget* parent, int& list_paused)
    : def_(def), parent_(parent) {
    font_ = template_font(def.font_points);
    for (const ControlDef& c : def.controls) {
        QWidget* w = nullptr;
        switch (c.kind) {
            case ControlKind::List: {
                auto* box = new PausingComboBox(list_paused, parent);
                box->setMaxVisibleItems(16);
                w = box;
                break;
            }
            case ControlKind::Check:
                w = new QCheckBox(QString::fromUtf8(c.template_text), parent);
                break;
            case ControlKind::Label:
                w = new QLabel(QString::fromUtf8(c.template_text), parent);
                break;
            case ControlKind::Heading: {
                auto* l = new QLabel(parent);
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                l->setAlignment(Qt::AlignCenter);
                w = l;
                break;
            }
            case ControlKind::Rule: {
                auto* f = new QFrame(parent);
                f->setFrameStyle(QFrame::HLine | QFrame::Sunken);
                w = f;
                break;
            }
            case ControlKind::Button:
                w = c.id == 1014 ? static_cast<QWidget*>(new WrappingButton(parent))
                                 : new QPushButton(parent);
                break;
        }
        w->setFont(font_);
        if (c.id) {
            w->setObjectName(QStringLiteral("control%1").arg(c.id));
            controls_[c.id] = w;
        }
        if (c.hidden)
            w->hide();
        placed_.push_back({&c, w});
    }
    // Tab goes row by row, in reading order.
    QWidget* before = nullptr;
    for (int id : reading_order(def)) {
        QWidget* w = control(id);
        if (before && w)
            QWidget::setTabOrder(before, w);
        before = w ? w : before;
    }
}

void TemplateForm::layout(QSize room) {
    const QFontMetrics fm(font_);
    DialogUnits du = dialog_units(font_);
    // Smaller when the template would not fit the room.
    if (room.width() > 0 && def_.width * du.base_x / 4 > room.width())
        du.base_x = room.width() * 4 / def_.width;
    if (room.height() > 0 && def_.height * du.base_y / 8 > room.height())
        du.base_y = room.height() * 8 / def_.height;
    template_size_ = QSize(def_.width * du.base_x / 4, def_.height * du.base_y / 8);
    for (auto& [c, w] : placed_) {
        Rect r = du.map(c->x, c->y, c->w, c->h);
        if (c->kind == ControlKind::List)
            r.bottom = std::max(r.bottom, r.top + fm.height() + 6);
        if (c->kind == ControlKind::Rule)
            r.bottom = r.top + 2;
        w->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

QWidget* TemplateForm::control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QComboBox* TemplateForm::list(int id) const {
    return qobject_cast<QComboBox*>(control(id));
}

void TemplateForm::set_texts(const UiTexts& texts, Charset cs) {
    for (const ControlDef& c : def_.controls) {
        if (c.text_slot < 0)
            continue;
        const QString t = decode(texts[c.text_slot], cs);
        QWidget* w = control(c.id);
        if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(t);
        else if (auto* b = qobject_cast<QCheckBox*>(w))
            b->setText(t);
        else if (auto* wb = dynamic_cast<WrappingButton*>(w))
            wb->set_caption(t);
        else if (auto* p = qobject_cast<QPushButton*>(w))
            p->setText(t);
    }
}

void TemplateForm::fill(int id, const std::vector<std::string>& entries, Charset cs) {
    QComboBox* box = list(id);
    if (!box)
        return;
    const QSignalBlocker block(box);
    box->clear();
    QStringList items;
    items.reserve(static_cast<int>(entries.size()));
    for (const auto& e : entries)
        items << decode(e, cs);
    box->addItems(items);
    box->setCurrentIndex(-1);
}

void TemplateForm::apply(const std::vector<ControlState>& states) {
    for (const ControlState& s : states) {
        QWidget* w = control(s.id);
        if (!w)
            continue;
        if (auto* box = qobject_cast<QComboBox*>(w); box && s.selected != kKeepSelection) {
            const QSignalBlocker block(box);
            box->setCurrentIndex(s.selected >= 0 && s.selected < box->count() ? s.selected : -1);
        }
        if (auto* check = qobject_cast<QCheckBox*>(w); check && s.checked >= 0) {
            const QSignalBlocker block(check);
            check->setChecked(s.checked != 0);
        }
        w->setEnabled(s.enabled);
        w->setVisible(s.visible);
    }
}

SettingsView::SettingsView(const SettingsContext& context, int view, int template_id,
                           QWidget* parent)
    : ViewWidget(view, template_id, parent),
      ctx_(context),
      form_(*dialog_template(template_id), this, context.poll.ListPaused) {
    surface().fill(palette().color(QPalette::Window));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SettingsView::tick);
}

void SettingsView::resizeEvent(QResizeEvent* event) {
    ViewWidget::resizeEvent(event);
    // Only the part inside the client area is seen.
    QSize room = size();
    if (parentWidget())
        room = room.boundedTo(parentWidget()->size());
    form_.layout(room);
}

Charset SettingsView::charset() const {
    return charset_for(ctx_.texts.LanguageCode);
}

void SettingsView::set_texts() {
    form_.set_texts(ctx_.texts.texts, charset());
}

void SettingsView::bind(const std::vector<ListBinding>& lists,
                        const std::vector<CheckBinding>& checks) {
    for (const ListBinding& l : lists) {
        QComboBox* box = form_.list(l.id);
        if (!box)
            continue;
        connect(box, &QComboBox::activated, this, [this, &l](int k) {
            if (!refused())
                send(l.pick(ctx_.image, k));
        });
    }
    for (const CheckBinding& c : checks) {
        auto* box = qobject_cast<QCheckBox*>(form_.control(c.id));
        if (!box)
            continue;
        connect(box, &QCheckBox::clicked, this, [this, &c](bool on) {
            if (!refused())
                send(c.click(ctx_.image, on));
        });
    }
}

void SettingsView::send(const std::vector<Write>& writes) {
    for (const Write& w : writes)
        write_setting(ctx_.link, ctx_.image, w.code, w.value);
}

bool SettingsView::refused() {
    return refused_while_playing(ctx_.link, ctx_.dialogs, ctx_.texts, this);
}

bool SettingsView::paused() const {
    return ctx_.poll.InfoDialogOpen != 0;
}

void SettingsView::tick() {
    const SettingsContext& p = ctx_;
    if (paused())
        return;
    if (!p.poll.ListPaused) {
        poll_status(p.link, p.image);
        if (p.link.NoConnection == 0 && controller_generation(p.image) == 2) {
            read_live(p.link, p.image);
            read_settings1(p.link, p.image);
            read_settings2(p.link, p.image);
        }
        refresh();
    }
    if (rearm_needed(p.poll, p.link.PollPeriod))
        timer_.start(p.link.PollPeriod);
}

void SettingsView::window_paint() {
    timer_.start(ctx_.link.PollPeriod);
    const QRect want(0, 0, ctx_.size.WindowWidth, ctx_.size.WindowHeight);
    if (geometry() != want)
        place(0, 0, want.width(), want.height());
}

}  // namespace tarvex
