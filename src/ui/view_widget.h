// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

namespace tarvex {

// A view of the main window: a child widget with a persistent surface image
// that the drawing code draws into, at the screen's device pixel ratio (its
// coordinates stay logical pixels). Painting only copies the surface to the
// screen. The view's own paint handling, window_paint(), answers the window
// system's paints: its first showing and every expose of the main window
// (which runs it); repaints the program asks for with present() only copy.
class ViewWidget : public QWidget {
    Q_OBJECT
  public:
    ViewWidget(int view, int template_id, QWidget* parent);

    int view() const { return view_; }
    int template_id() const { return template_id_; }
    QImage& surface() { return surface_; }
    // Shows what was drawn into the surface.
    void present();
    // Gives the view its place and size; the surface follows the size.
    void place(int x, int y, int w, int h);

    // What the shell does with every view, through these calls only.
    // Where the view stands in a client area of this size when created.
    virtual QRect home(QSize client) const { return {QPoint(0, 0), client}; }
    // The set-up after each creation: lists filled, texts put, first drawing.
    virtual void set_up() {}
    // The view's answer to a paint from the window system.
    virtual void window_paint() {}
    // The view's part of the main window's paint sequence, after window_paint().
    virtual void paint_sequence() {}
    // The last step of a creation and of the main window's paint: controls the
    // shell places for the size (the learning button), drawn again on top of
    // what the view drew.
    virtual void place_controls() {}
    // One tick of the view's timer; views without one have none.
    virtual void tick() {}

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void fit_surface(QSize size);

  private:
    int view_;
    int template_id_;
    QImage surface_;
};

}  // namespace tarvex
