// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

#include "review/report/drive_report.h"
#include "review/strip_chart.h"

class QAction;
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
    // The window's commands the context menu offers after its own.
    void add_menu_action(QAction* action) { menu_actions_.append(action); }

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
    QList<QAction*> menu_actions_;
};

// What the review window takes from the program: its dialogs, the interface
// language its reports are written in (its texts and code, followed as the
// program changes them), and the fields of the report as last typed, kept
// for the next report.
struct ReviewContext {
    UserDialogs& dialogs;
    const UiTexts& texts;
    const std::string& language_code;
    ReportFields& report_fields;
};

// The review window of recordings: a tool bar (Open, Overlay..., Fit all,
// zoom, add marker, save the customer's report), the strip charts and the
// cursors' readout. Recordings
// load off the window's thread; markers are kept in a file beside the
// recording.
class ReviewWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit ReviewWindow(const ReviewContext& context, QWidget* parent = nullptr);
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
    void finished(Target target, std::shared_ptr<ReviewDrive> drive);
    void align_overlay();
    void update_readout();
    void update_title();
    void add_marker(double t);
    void remove_marker(double t);
    void save_markers();
    void save_report();
    void zoom(double factor);

    ReviewContext context_;
    UserDialogs& dialogs_;
    StripChart* chart_;
    QTableWidget* table_;
    QLabel* between_;
    std::shared_ptr<ReviewDrive> drive_, overlay_;
    QPointer<QThread> loading_;
};

}  // namespace tarvex
