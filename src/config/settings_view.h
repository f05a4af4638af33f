// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QTimer>

#include <map>

#include "config/dialog_templates.h"
#include "config/form.h"
#include "config/settings_state.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "ui/poll_shared.h"
#include "ui/size_modes.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"
#include "ui/view_widget.h"

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

// A drop-down list that pauses every view's polling while it is open. The
// pause ends however the list closes: a pick, Escape, a click outside, the
// focus going to another window, or the list being destroyed. The mouse
// wheel changes the list only while it has the keyboard focus.
class PausingComboBox final : public QComboBox {
    Q_OBJECT
  public:
    PausingComboBox(int& list_paused, QWidget* parent);
    ~PausingComboBox() override;
    void showPopup() override;
    void hidePopup() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void end_pause();
    int& list_paused_;
    QWidget* popup_ = nullptr;
    bool open_ = false;
};

// Builds a dialog template's controls as widgets on a parent, places them for
// the template's font, and applies control states.
class TemplateForm {
  public:
    TemplateForm(const TemplateDef& def, QWidget* parent, int& list_paused);
    // Places every control for the template font, fitted into the given room.
    void layout(QSize room);
    QWidget* control(int id) const;
    QComboBox* list(int id) const;
    // Sets the texts of the controls that take them from slots.
    void set_texts(const UiTexts& texts, Charset charset);
    void fill(int id, const std::vector<std::string>& entries, Charset charset);
    void apply(const std::vector<ControlState>& states);
    const TemplateDef& def() const { return def_; }
    // The whole template's size in pixels, as last laid out.
    QSize template_size() const { return template_size_; }
    QFont font() const { return font_; }

  private:
    const TemplateDef& def_;
    QWidget* parent_;
    QFont font_;
    std::map<int, QWidget*> controls_;
    std::vector<std::pair<const ControlDef*, QWidget*>> placed_;
    QSize template_size_;
};

// The Configuration and Options views: a template form bound to the
// controller's settings, refreshed from the image on every poll, writing one
// setting per pick.
class SettingsView : public ViewWidget {
    Q_OBJECT
  public:
    SettingsView(const SettingsContext& context, int view, int template_id, QWidget* parent);

    // Fills every list and puts the interface texts on the controls.
    virtual void fill_lists() = 0;
    void set_texts();
    // One tick of timer 1.
    void tick();
    void window_paint() override;
    TemplateForm& form() { return form_; }
    QTimer& timer() { return timer_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    virtual void refresh() = 0;
    // Sends the writes of a pick.
    void send(const std::vector<Write>& writes);
    // A pick while a recording plays: refused with a message.
    bool refused();
    void bind(const std::vector<ListBinding>& lists, const std::vector<CheckBinding>& checks);
    virtual bool paused() const;
    Charset charset() const;
    const std::string& language() const { return ctx_.texts.LanguageCode; }

    SettingsContext ctx_;
    TemplateForm form_;
    QTimer timer_;
};

}  // namespace tarvex
