// SPDX-License-Identifier: MIT
#include "ui/template_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace tarvex {

TemplateView::TemplateView(int view, int template_id, QWidget* parent)
    : ViewWidget(view, template_id, parent) {
    switch (template_id) {
        case 101: {  // Readings: the learning button and a hidden edit field
            add_control(1005, new QPushButton(QStringLiteral("NAUKA"), this));
            auto* edit = new QLineEdit(this);
            edit->hide();
            add_control(1006, edit);
            break;
        }
        case 126:  // Reset: two texts and the reset button
            add_control(1104, new QLabel(this));
            add_control(1105, new QLabel(this));
            add_control(126, new QPushButton(this));
            break;
        case 132: {  // Schema: two scroll bars, hidden until the diagram is set up
            auto* h = new QScrollBar(Qt::Horizontal, this);
            auto* v = new QScrollBar(Qt::Vertical, this);
            h->hide();
            v->hide();
            add_control(1120, h);
            add_control(1121, v);
            break;
        }
        case 159: {  // Oscilloscope: the cursor check box, a hidden scroll bar and edit field
            add_control(1071, new QCheckBox(this));
            auto* bar = new QScrollBar(Qt::Horizontal, this);
            bar->hide();
            add_control(1117, bar);
            auto* edit = new QLineEdit(this);
            edit->hide();
            add_control(1006, edit);
            break;
        }
        default:
            break;
    }
}

void TemplateView::add_control(int id, QWidget* w) {
    w->setObjectName(QStringLiteral("control%1").arg(id));
    controls_[id] = w;
}

QWidget* TemplateView::control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

}  // namespace tarvex
