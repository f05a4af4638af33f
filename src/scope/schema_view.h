// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>

#include "scope/schema.h"
#include "ui/size_modes.h"
#include "ui/template_view.h"

class QScrollBar;

namespace tarvex {

// What the Schema view reads: the size and the language of its diagram.
struct SchemaContext {
    const SizeState& size;
    const std::string& LanguageCode;
};

// The Schema view: the wiring diagram of the interface language, scrollable
// in the two smallest sizes. It does not talk to the controller.
class SchemaView final : public TemplateView {
    Q_OBJECT
  public:
    SchemaView(const SchemaContext& context, QWidget* parent);
    // Viewport, scroll bars and picture for the current size and language,
    // in the main window's client area (the view's parent).
    void set_up() override;
    // Copies the shown part of the picture into the view.
    void copy_picture();
    void paint_sequence() override { copy_picture(); }
    void scroll(Qt::Orientation o, int code, int thumb);
    void window_paint() override;
    const SchemaLayout& layout() const { return layout_; }
    const QImage& picture() const { return DiagramImage; }
    QScrollBar* bar(Qt::Orientation o) const;

  protected:
    // The wheel, the arrows, Page Up and Page Down scroll as the bars'
    // arrows and pages do; Home and End go to the picture's start and end.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The diagram drawn from its source at the screen's pixel ratio; null at
    // ratio 1, where the bitmap itself is shown.
    QImage drawn_at_screen_ratio() const;
    SchemaContext ctx_;
    SchemaLayout layout_;
    QImage DiagramImage;
};

}  // namespace tarvex
