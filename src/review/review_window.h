// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

#include "review/strip_chart.h"

class QLabel;
class QTableWidget;
class QThread;

namespace tarvex {

class UserDialogs;

// The strip charts of a drive: wheel zooms around the pointer, dragging pans,
// a click places cursor A and a shift-click or the right button cursor B.
// From the keyboard: the arrows pan, Home/End, +/- zoom, A and B place the
// cursors at the middle, M adds a marker, Delete removes the marker nearest
// cursor A, the menu key (or Ctrl and the right button) opens the context menu.
class StripChart final : public QWidget {
    Q_OBJECT
  public:
    explicit StripChart(QWidget* parent = nullptr);
    ChartScene& scene() { return scene_; }
    const ChartScene& scene() const { return scene_; }
    // The time under a logical x of the widget.
    double time_at(double x) const;

  signals:
    void cursors_moved();
    void add_marker_at(double t);
    void remove_marker_near(double t);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void place(bool b, double t);
    ChartScene scene_;
    bool dragging_ = false, dragged_ = false;
    double drag_x_ = 0, drag_t0_ = 0;
};

// The review window of recordings: a tool bar (Open, Overlay..., Fit all,
// zoom, add marker), the strip charts and the cursors' readout. Recordings
// load off the window's thread; markers are kept in a file beside the
// recording.
class ReviewWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit ReviewWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~ReviewWindow() override;

    // Opens a recording, named by the bytes the system gave.
    void open_file(const std::string& path);
    StripChart* chart() const { return chart_; }

  signals:
    // A recording (or an overlay) has been read and is shown, or refused.
    void loaded();

  private:
    enum class Target { Drive, Overlay };
    void choose_file(Target target);
    void load(const std::string& path, Target target);
    void finished(Target target, std::shared_ptr<ReviewDrive> drive, const std::string& error);
    void align_overlay();
    void update_readout();
    void update_title();
    void add_marker(double t);
    void remove_marker(double t);
    void save_markers();
    void zoom(double factor);

    UserDialogs& dialogs_;
    StripChart* chart_;
    QTableWidget* table_;
    QLabel* between_;
    std::shared_ptr<ReviewDrive> drive_, overlay_;
    QPointer<QThread> loading_;
};

}  // namespace tarvex
