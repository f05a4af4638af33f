// SPDX-License-Identifier: MIT
#include "ui/template_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

#include "ui/pausing_combo_box.h"
#include "ui/template_font.h"

namespace tarvex {

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

QWidget* make_control(const ControlDef& c, QWidget* parent, int* list_paused) {
    const QString text = QString::fromUtf8(c.template_text);
    switch (c.kind) {
        case ControlKind::List: {
            Q_ASSERT(list_paused);
            auto* box = new PausingComboBox(*list_paused, parent);
            box->setMaxVisibleItems(16);
            return box;
        }
        case ControlKind::Check:
            return new QCheckBox(text, parent);
        case ControlKind::Label:
            return new QLabel(text, parent);
        case ControlKind::Heading: {
            auto* l = new QLabel(parent);
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setAlignment(Qt::AlignCenter);
            return l;
        }
        case ControlKind::Rule: {
            auto* f = new QFrame(parent);
            f->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            return f;
        }
        case ControlKind::Button:
            return new QPushButton(text, parent);
        case ControlKind::MultiLineButton:
            return new WrappingButton(parent);
        case ControlKind::Edit:
            return new QLineEdit(parent);
        case ControlKind::HScrollBar:
            return new QScrollBar(Qt::Horizontal, parent);
        case ControlKind::VScrollBar:
            return new QScrollBar(Qt::Vertical, parent);
    }
    return nullptr;
}

}  // namespace

TemplateForm::TemplateForm(const TemplateDef& def, QWidget* parent, int* list_paused) : def_(def) {
    font_ = template_font(def.font_points);
    for (const ControlDef& c : def.controls) {
        QWidget* w = make_control(c, parent, list_paused);
        if (def.laid_out)
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

}  // namespace tarvex
