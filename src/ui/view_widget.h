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

    // The view's answer to a paint from the window system.
    virtual void window_paint() {}

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
