#pragma once

#include <QImage>
#include <QWidget>

namespace tarvex {

struct Program;

// A view of the main window: a child widget with a persistent surface image
// that the drawing code draws into. Painting only copies the surface to the
// screen. Paints that come from the window system (show, expose, resize)
// first run window_paint(), the view's own paint handling; repaints that the
// program asks for with present() do not.
class ViewWidget : public QWidget {
    Q_OBJECT
  public:
    ViewWidget(Program& program, int view, int template_id, QWidget* parent);

    int view() const { return view_; }
    int template_id() const { return template_id_; }
    QImage& surface() { return surface_; }
    // Shows what was drawn into the surface.
    void present();
    // Gives the view its place and size; the surface follows the size.
    void place(int x, int y, int w, int h);

  protected:
    virtual void window_paint() {}
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    Program& program_;

  private:
    int view_;
    int template_id_;
    QImage surface_;
    bool presenting_ = false;
};

}  // namespace tarvex
