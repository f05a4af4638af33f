// SPDX-License-Identifier: MIT
#include "review/review_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "files/file_access.h"
#include "review/report_fields_dialog.h"
#include "ui/local_file_name.h"
#include "ui/user_dialogs.h"

namespace tarvex {

namespace {

constexpr double kZoomStep = 0.8;  // +/- and a wheel step
constexpr double kPanStep = 0.1, kPageStep = 0.9;

QString file_name_of(const std::string& path) {
    return shown_file_name(path).section(QLatin1Char('/'), -1);
}

}  // namespace

StripChart::StripChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(420, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double StripChart::time_at(double x) const {
    return chart_layout(size()).time_at(scene_, x);
}

void StripChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint_charts(p, size(), devicePixelRatioF(), scene_);
}

void StripChart::wheelEvent(QWheelEvent* event) {
    if (!scene_.drive)
        return;
    const ChartLayout l = chart_layout(size());
    const double steps = event->angleDelta().y() / 120.0;
    scene_.window.zoom(std::pow(kZoomStep, steps),
                       (event->position().x() - l.plot.left()) / l.plot.width());
    update();
}

void StripChart::mousePressEvent(QMouseEvent* event) {
    if (!scene_.drive)
        return;
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragged_ = false;
        drag_x_ = event->position().x();
        drag_t0_ = scene_.window.t0;
    } else if (event->button() == Qt::RightButton && !(event->modifiers() & Qt::ControlModifier)) {
        place(true, time_at(event->position().x()));
    }
}

void StripChart::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const double dx = event->position().x() - drag_x_;
    dragged_ = dragged_ || std::abs(dx) > 3;
    if (!dragged_)
        return;
    TimeWindow& w = scene_.window;
    const double target = drag_t0_ - dx / chart_layout(size()).plot.width() * w.span();
    w.pan((target - w.t0) / w.span());
    update();
}

void StripChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    if (!dragged_)
        place(event->modifiers() & Qt::ShiftModifier, time_at(event->position().x()));
}

void StripChart::keyPressEvent(QKeyEvent* event) {
    if (!scene_.drive)
        return QWidget::keyPressEvent(event);
    TimeWindow& w = scene_.window;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const double middle = (w.t0 + w.t1) / 2;
    switch (event->key()) {
        case Qt::Key_Left:
            w.pan(shift ? -kPageStep : -kPanStep);
            break;
        case Qt::Key_Right:
            w.pan(shift ? kPageStep : kPanStep);
            break;
        case Qt::Key_PageUp:
            w.pan(-kPageStep);
            break;
        case Qt::Key_PageDown:
            w.pan(kPageStep);
            break;
        case Qt::Key_Home:
            w.home();
            break;
        case Qt::Key_End:
            w.end();
            break;
        case Qt::Key_A:
            return place(false, middle);
        case Qt::Key_B:
            return place(true, middle);
        case Qt::Key_Escape:
            scene_.cursor_a.reset();
            scene_.cursor_b.reset();
            emit cursors_moved();
            break;
        case Qt::Key_Delete:
            emit remove_marker_near(scene_.cursor_a.value_or(middle));
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    update();
}

void StripChart::contextMenuEvent(QContextMenuEvent* event) {
    // The right button alone places cursor B; with Ctrl, or from the
    // keyboard, it opens this menu.
    if (!scene_.drive || (event->reason() == QContextMenuEvent::Mouse &&
                          !(event->modifiers() & Qt::ControlModifier)))
        return;
    const bool by_mouse = event->reason() == QContextMenuEvent::Mouse;
    const double t =
        by_mouse ? time_at(event->pos().x()) : (scene_.window.t0 + scene_.window.t1) / 2;
    QMenu menu(this);
    QAction* add = menu.addAction(QCoreApplication::translate("Review", "Add marker here..."));
    QAction* remove =
        menu.addAction(QCoreApplication::translate("Review", "Remove the marker here"));
    QAction* a = menu.addAction(QCoreApplication::translate("Review", "Place cursor A here"));
    QAction* b = menu.addAction(QCoreApplication::translate("Review", "Place cursor B here"));
    const QPoint at =
        by_mouse ? event->globalPos()
                 : mapToGlobal(QPoint(static_cast<int>(chart_layout(size()).x_of(scene_, t)),
                                      height() / 2));
    if (!menu_actions_.isEmpty()) {
        menu.addSeparator();
        menu.addActions(menu_actions_);
    }
    QAction* chosen = menu.exec(at);
    if (chosen == add)
        emit add_marker_at(t);
    else if (chosen == remove)
        emit remove_marker_near(t);
    else if (chosen == a || chosen == b)
        place(chosen == b, t);
}

void StripChart::place(bool b, double t) {
    t = std::clamp(t, 0.0, scene_.drive ? scene_.drive->length() : 0.0);
    (b ? scene_.cursor_b : scene_.cursor_a) = t;
    emit cursors_moved();
    update();
}

ReviewWindow::ReviewWindow(const ReviewContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), dialogs_(context.dialogs) {
    setWindowTitle(QCoreApplication::translate("Review", "Review recordings"));
    QToolBar* bar = addToolBar(QCoreApplication::translate("Review", "Review"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto action = [&](const QString& text, const QString& tip,
                            const QList<QKeySequence>& keys, bool on_bar) {
        auto* a = new QAction(text, this);
        a->setShortcuts(keys);
        a->setToolTip(
            QStringLiteral("%1 (%2)").arg(tip, keys.front().toString(QKeySequence::NativeText)));
        if (on_bar)
            bar->addAction(a);
        addAction(a);
        return a;
    };
    QAction* open = action(QCoreApplication::translate("Review", "Open..."),
                           QCoreApplication::translate("Review", "Open a recording"),
                           {QKeySequence::Open}, true);
    QAction* overlay =
        action(QCoreApplication::translate("Review", "Overlay..."),
               QCoreApplication::translate("Review", "Lay a second recording over this one"),
               {QKeySequence(Qt::CTRL | Qt::Key_L)}, true);
    QAction* fit = action(QCoreApplication::translate("Review", "Fit all"),
                          QCoreApplication::translate("Review", "Show the whole recording"),
                          {QKeySequence(Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_0)}, true);
    QAction* in = action(QCoreApplication::translate("Review", "Zoom in"),
                         QCoreApplication::translate("Review", "Zoom in around the middle"),
                         {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)}, true);
    QAction* out = action(QCoreApplication::translate("Review", "Zoom out"),
                          QCoreApplication::translate("Review", "Zoom out around the middle"),
                          {QKeySequence(Qt::Key_Minus)}, true);
    QAction* marker =
        action(QCoreApplication::translate("Review", "Add marker"),
               QCoreApplication::translate("Review", "Add a marker with a note at cursor A"),
               {QKeySequence(Qt::Key_M)}, true);
    QAction* report = action(
        QCoreApplication::translate("Review", "Save report..."),
        QCoreApplication::translate("Review", "Save the customer's report of this recording"),
        {QKeySequence(Qt::CTRL | Qt::Key_S)}, true);
    QAction* no_overlay =
        action(QCoreApplication::translate("Review", "Remove overlay"),
               QCoreApplication::translate("Review", "Remove the overlaid recording"),
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)}, false);
    QAction* close = action(QCoreApplication::translate("Review", "Close"),
                            QCoreApplication::translate("Review", "Close the window"),
                            {QKeySequence::Close}, false);

    chart_ = new StripChart;
    chart_->add_menu_action(report);
    auto* readout = new QWidget;
    auto* layout = new QVBoxLayout(readout);
    layout->setContentsMargins(4, 2, 4, 2);
    between_ = new QLabel;
    table_ = new QTableWidget(static_cast<int>(kChannelCount), 5);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("Review", "at A"),
                                       QCoreApplication::translate("Review", "at B"),
                                       QCoreApplication::translate("Review", "min A-B"),
                                       QCoreApplication::translate("Review", "max A-B"),
                                       QCoreApplication::translate("Review", "mean A-B")});
    QStringList rows;
    for (std::size_t c = 0; c < kChannelCount; ++c)
        rows << QStringLiteral("%1 (%2)").arg(channel_name(static_cast<Channel>(c)),
                                              channel_unit(static_cast<Channel>(c)));
    table_->setVerticalHeaderLabels(rows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As tall as its rows: the charts take the rest.
    table_->setFixedHeight(table_->verticalHeader()->length() +
                           table_->horizontalHeader()->height() + 2 * table_->frameWidth());
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(between_);
    layout->addWidget(table_);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(chart_);
    split->addWidget(readout);
    split->setStretchFactor(0, 1);
    split->setCollapsible(0, false);
    setCentralWidget(split);
    // 1100 x 760, or what the screen leaves room for.
    QSize size(1100, 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    chart_->setFocus();

    connect(open, &QAction::triggered, this, [this] { choose_file(Target::Drive); });
    connect(overlay, &QAction::triggered, this, [this] { choose_file(Target::Overlay); });
    connect(fit, &QAction::triggered, this, [this] {
        if (drive_)
            chart_->scene().window.fit(drive_->length());
        chart_->update();
    });
    connect(in, &QAction::triggered, this, [this] { zoom(kZoomStep); });
    connect(out, &QAction::triggered, this, [this] { zoom(1 / kZoomStep); });
    connect(marker, &QAction::triggered, this, [this] {
        const ChartScene& s = chart_->scene();
        const bool a_shown = s.cursor_a && *s.cursor_a >= s.window.t0 && *s.cursor_a <= s.window.t1;
        add_marker(a_shown ? *s.cursor_a : (s.window.t0 + s.window.t1) / 2);
    });
    connect(report, &QAction::triggered, this, &ReviewWindow::save_report);
    connect(no_overlay, &QAction::triggered, this, [this] {
        overlay_.reset();
        chart_->scene().overlay = nullptr;
        chart_->update();
    });
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(chart_, &StripChart::cursors_moved, this, [this] {
        update_readout();
        update_title();
    });
    connect(chart_, &StripChart::add_marker_at, this, &ReviewWindow::add_marker);
    connect(chart_, &StripChart::remove_marker_near, this, &ReviewWindow::remove_marker);
    update_readout();
}

ReviewWindow::~ReviewWindow() {
    // A recording still loading is waited for: its thread must not outlive the window.
    if (loading_) {
        loading_->wait();
        delete loading_.data();
    }
}

void ReviewWindow::open_file(const std::string& path) {
    load(path, Target::Drive);
}

void ReviewWindow::choose_file(Target target) {
    if (target == Target::Overlay && !drive_)
        return;
    const QString title = target == Target::Drive
                              ? QCoreApplication::translate("Review", "Review recordings...")
                              : QCoreApplication::translate("Review", "Overlay...");
    const QString name = dialogs_.open_file_of(this, title, UserDialogs::FileKind::Recording);
    if (!name.isEmpty())
        load(local_file_name(name), target);
}

void ReviewWindow::load(const std::string& path, Target target) {
    if (loading_)
        return;  // one at a time
    auto result = std::make_shared<std::pair<std::shared_ptr<ReviewDrive>, std::string>>();
    QThread* thread = QThread::create(
        [result, path] { result->first = open_review_drive(path, result->second); });
    connect(thread, &QThread::finished, this, [this, thread, result, target, path] {
        thread->deleteLater();
        loading_ = nullptr;
        unsetCursor();
        statusBar()->clearMessage();
        if (!result->first) {
            dialogs_.message(
                this, UserDialogs::Icon::Warning,
                QCoreApplication::translate("Review", "Review recordings"),
                QCoreApplication::translate("Review", "The recording cannot be opened.") +
                    QStringLiteral("\n\n%1: %2")
                        .arg(shown_file_name(path), QString::fromStdString(result->second)));
            emit loaded();
            return;
        }
        finished(target, result->first);
    });
    loading_ = thread;
    setCursor(Qt::BusyCursor);
    statusBar()->showMessage(
        QCoreApplication::translate("Review", "Reading %1...").arg(file_name_of(path)));
    thread->start();
}

void ReviewWindow::finished(Target target, std::shared_ptr<ReviewDrive> drive) {
    ChartScene& s = chart_->scene();
    const QString name = shown_file_name(drive->path);
    if (target == Target::Drive) {
        drive_ = std::move(drive);
        overlay_.reset();
        s = ChartScene{};
        s.drive = drive_.get();
        s.window.fit(drive_->length());
    } else {
        overlay_ = std::move(drive);
        s.overlay = overlay_.get();
        align_overlay();
    }
    update_title();
    update_readout();
    chart_->update();
    const ReviewDrive& d = target == Target::Drive ? *drive_ : *overlay_;
    // Shown, but the fitter is told what was left out and why.
    if (!d.samples.problem.empty())
        dialogs_.message(
            this, UserDialogs::Icon::Warning,
            QCoreApplication::translate("Review", "Review recordings"),
            QCoreApplication::translate("Review", "Only part of the recording could be read.") +
                QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(d.samples.problem)));
    if (!d.markers_error.empty())
        dialogs_.message(this, UserDialogs::Icon::Warning,
                         QCoreApplication::translate("Review", "Review recordings"),
                         QCoreApplication::translate(
                             "Review", "The markers beside the recording cannot be read.") +
                             QStringLiteral("\n\n%1: %2")
                                 .arg(shown_file_name(markers_path(d.path)),
                                      QString::fromStdString(d.markers_error)));
    emit loaded();
}

void ReviewWindow::align_overlay() {
    ChartScene& s = chart_->scene();
    std::optional<double> shift;
    const std::vector<std::string> notes = shared_notes(drive_->markers, overlay_->markers);
    if (!notes.empty()) {
        QStringList choices{QCoreApplication::translate("Review", "The first switch-over to gas")};
        for (const std::string& n : notes)
            choices << QCoreApplication::translate("Review", "The marker \"%1\"")
                           .arg(QString::fromStdString(n));
        bool ok = false;
        const int chosen = static_cast<int>(choices.indexOf(
            QInputDialog::getItem(this, QCoreApplication::translate("Review", "Overlay"),
                                  QCoreApplication::translate("Review", "Align the recordings on:"),
                                  choices, 0, false, &ok)));
        if (ok && chosen > 0)
            shift = shift_on_marker(drive_->markers, overlay_->markers,
                                    notes[static_cast<std::size_t>(chosen - 1)]);
    }
    if (!shift)
        shift = shift_on_switchover(drive_->events, overlay_->events);
    if (!shift)
        dialogs_.message(this, UserDialogs::Icon::Information,
                         QCoreApplication::translate("Review", "Overlay"),
                         QCoreApplication::translate(
                             "Review",
                             "One of the recordings never switches over to gas, so they are laid "
                             "over from their first rows."));
    s.overlay_shift = shift.value_or(0);
}

void ReviewWindow::update_title() {
    if (!drive_)
        return setWindowTitle(QCoreApplication::translate("Review", "Review recordings"));
    QString title = QCoreApplication::translate("Review", "%1 - Review recordings")
                        .arg(file_name_of(drive_->path));
    const ChartScene& s = chart_->scene();
    if (s.cursor_a && s.cursor_b)
        title += QStringLiteral(" - ") + QCoreApplication::translate("Review", "A to B %1 s")
                                             .arg(*s.cursor_b - *s.cursor_a, 0, 'f', 2);
    setWindowTitle(title);
}

void ReviewWindow::update_readout() {
    const ChartScene& s = chart_->scene();
    const auto put = [&](int row, int col, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, col, item);
    };
    table_->clearContents();
    if (!drive_ || (!s.cursor_a && !s.cursor_b)) {
        between_->setText(QCoreApplication::translate(
            "Review",
            "Click to place cursor A, shift-click or the right button for B "
            "(keys A and B place them at the middle)."));
        return;
    }
    const double a = s.cursor_a.value_or(*s.cursor_b), b = s.cursor_b.value_or(a);
    const CursorReadout r = cursor_readout(drive_->samples, a, b);
    QString head;
    if (s.cursor_a)
        head += QCoreApplication::translate("Review", "A %1").arg(time_text(a, 0.01)) +
                QStringLiteral("    ");
    if (s.cursor_b)
        head += QCoreApplication::translate("Review", "B %1").arg(time_text(b, 0.01)) +
                QStringLiteral("    ");
    if (s.cursor_a && s.cursor_b)
        head += QCoreApplication::translate("Review", "B - A %1 s").arg(r.between_s, 0, 'f', 2);
    between_->setText(head);
    for (std::size_t k = 0; k < kChannelCount; ++k) {
        const Channel c = static_cast<Channel>(k);
        const ChannelReadout& v = r.channels[k];
        const auto text = [&](std::optional<double> count, int extra = 0) {
            return count ? QString::number(*count * channel_per_count(c), 'f',
                                           channel_decimals(c) + extra)
                         : QStringLiteral("-");
        };
        const int row = static_cast<int>(k);
        if (s.cursor_a)
            put(row, 0, text(v.at_a));
        if (s.cursor_b)
            put(row, 1, text(v.at_b));
        if (s.cursor_a && s.cursor_b) {
            put(row, 2, text(v.min));
            put(row, 3, text(v.max));
            put(row, 4, text(v.mean, 1));
        }
    }
}

void ReviewWindow::add_marker(double t) {
    if (!drive_)
        return;
    bool ok = false;
    const QString note = QInputDialog::getText(
        this, QCoreApplication::translate("Review", "Add marker"),
        QCoreApplication::translate("Review", "Note for the marker at %1:").arg(time_text(t, 0.01)),
        QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    drive_->markers.push_back({t, note.toStdString()});
    std::stable_sort(drive_->markers.begin(), drive_->markers.end(),
                     [](const Marker& x, const Marker& y) { return x.t < y.t; });
    save_markers();
}

void ReviewWindow::remove_marker(double t) {
    if (!drive_ || drive_->markers.empty())
        return;
    // The nearest within a few pixels of t.
    const ChartScene& s = chart_->scene();
    const double reach = s.window.span() / chart_layout(chart_->size()).plot.width() * 8;
    auto nearest = std::min_element(
        drive_->markers.begin(), drive_->markers.end(),
        [t](const Marker& x, const Marker& y) { return std::abs(x.t - t) < std::abs(y.t - t); });
    if (std::abs(nearest->t - t) > reach)
        return;
    drive_->markers.erase(nearest);
    save_markers();
}

void ReviewWindow::save_markers() {
    std::string error;
    const std::string path = markers_path(drive_->path);
    if (!tarvex::save_markers(path, drive_->markers, error))
        dialogs_.message(this, UserDialogs::Icon::Warning,
                         QCoreApplication::translate("Review", "Review recordings"),
                         QCoreApplication::translate("Review", "The markers cannot be saved.") +
                             QStringLiteral("\n\n%1: %2")
                                 .arg(shown_file_name(path), QString::fromStdString(error)));
    chart_->update();
}

void ReviewWindow::save_report() {
    // The recording shown, never the one laid over it.
    if (!drive_ || !ask_report_fields(this, context_.report_fields))
        return;
    const QString title = QCoreApplication::translate("Review", "Save report...");
    const QFileInfo recording(shown_file_name(drive_->path));
    const QString name = dialogs_.save_file_of(
        this, title, UserDialogs::FileKind::Report,
        recording.absoluteDir().filePath(recording.completeBaseName() + QStringLiteral(".pdf")));
    if (name.isEmpty())
        return;
    // The dialog gives the chosen filter's ending to a name typed without one.
    const QString ending = QFileInfo(name).suffix().toLower();
    const ReportFormat format = ending == QStringLiteral("html") || ending == QStringLiteral("htm")
                                    ? ReportFormat::Html
                                    : ReportFormat::Pdf;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const DriveReportDocument document =
        make_drive_report(drive_->samples, analyse_drive(drive_->samples), context_.report_fields,
                          {context_.texts, context_.language_code});
    const QByteArray bytes = drive_report_bytes(document, format);
    std::string error;
    const bool written = write_file_atomically(
        local_file_name(name), std::string_view(bytes.constData(), bytes.size()), error);
    QGuiApplication::restoreOverrideCursor();
    if (!written)
        return dialogs_.message(
            this, UserDialogs::Icon::Warning,
            QCoreApplication::translate("Review", "Review recordings"),
            QCoreApplication::translate("Review", "The report cannot be saved.") +
                QStringLiteral("\n\n%1: %2").arg(name, QString::fromStdString(error)));
    statusBar()->showMessage(
        QCoreApplication::translate("Review", "Report saved: %1").arg(QFileInfo(name).fileName()));
}

void ReviewWindow::zoom(double factor) {
    if (!drive_)
        return;
    chart_->scene().window.zoom(factor, 0.5);
    chart_->update();
}

}  // namespace tarvex
