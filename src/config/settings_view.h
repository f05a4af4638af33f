// SPDX-License-Identifier: MIT
#pragma once

#include "config/form.h"
#include "config/settings_poll.h"
#include "config/settings_state.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "ui/poll_shared.h"
#include "ui/polling_view.h"
#include "ui/size_modes.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"

namespace tarvex {

// What the Configuration and Options views and the EmulDO dialog read and
// write.
struct SettingsContext {
    LinkState& link;
    ControllerImage& image;
    PollShared& poll;
    const SizeState& size;
    ViewTexts texts;
    SettingsViewsState& state;
    UserDialogs& dialogs;
};

// The Configuration and Options views: a template form bound to the
// controller's settings, refreshed from the image on every poll, writing one
// setting per pick.
class SettingsView : public PollingView {
    Q_OBJECT
  public:
    SettingsView(const SettingsContext& context, SettingsPoller poller, int view, int template_id,
                 QWidget* parent);

    // Fills every list.
    virtual void fill_lists() = 0;
    // Puts the interface texts on the controls.
    void set_texts();
    void set_up() override;
    void window_paint() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    TickOutcome poll() override;
    void show_tick(TickResult result) override;
    virtual void refresh() = 0;
    // Sends the writes of a pick.
    void send(const std::vector<Write>& writes);
    // A pick while a recording plays: refused with a message.
    bool refused();
    void bind(const std::vector<ListBinding>& lists, const std::vector<CheckBinding>& checks);
    Charset charset() const;
    const std::string& language() const { return ctx_.texts.LanguageCode; }

    SettingsContext ctx_;

  private:
    SettingsPoller poller_;
};

}  // namespace tarvex
