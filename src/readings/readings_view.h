// SPDX-License-Identifier: MIT
#pragma once

#include "link/controller_image.h"
#include "link/link_state.h"
#include "readings/dashboard.h"
#include "readings/dial_tables.h"
#include "ui/poll_shared.h"
#include "ui/polling_view.h"
#include "ui/size_modes.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"

namespace tarvex {

// What the Readings view reads and writes.
struct ReadingsContext {
    LinkState& link;
    ControllerImage& image;
    PollShared& poll;
    const SizeState& size;
    const FontChoice& fonts;
    ViewTexts texts;
    const DialTables& dial;
    DashboardState& dashboard;
    StatusFlags& status;
    UserDialogs& dialogs;
};

// The Readings view: the dashboard, polled on timer 1, and the learning button.
class ReadingsView final : public PollingView {
    Q_OBJECT
  public:
    ReadingsView(const ReadingsContext& context, QWidget* parent);

    // The static layer and the button caption (at creation and on repaints).
    void draw_frame();
    // The live layer.
    void draw_values();

    QRect home(QSize client) const override;
    void set_up() override { draw_frame(); }
    void window_paint() override;
    void paint_sequence() override;
    void place_controls() override;

  protected:
    TickOutcome poll() override;
    void show_tick(TickResult result) override;

  private:
    Dashboard dashboard();
    void learning_clicked();
    ReadingsContext ctx_;
};

}  // namespace tarvex
