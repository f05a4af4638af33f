// SPDX-License-Identifier: MIT
#pragma once

#include <QMenuBar>
#include <QProxyStyle>

#include <array>
#include <map>
#include <string>

#include "app/menu_model.h"

namespace tarvex {

// Draws one menu-bar item in its selected look while no other item is active:
// the highlight of the current view's command.
class HighlightStyle final : public QProxyStyle {
  public:
    HighlightStyle();
    void set_highlighted(const QString& text) { highlighted_ = text; }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    // Compact items, like a classic menu bar.
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    static constexpr int kItemPadding = 10;

  private:
    QString highlighted_;
};

// The menu bar of one language's menu: four pop-ups and seven commands, each
// action carrying its command identifier. It shows a MenuState.
class TarvexMenuBar final : public QMenuBar {
    Q_OBJECT
  public:
    TarvexMenuBar(int menu_id, QWidget* parent = nullptr);
    ~TarvexMenuBar() override;

    int menu_id() const { return menu_id_; }
    QAction* action(int id) const;
    // Port items also show the device they stand for, and a note beside it.
    void set_port_devices(const std::array<std::string, 4>& devices,
                          const std::array<QString, 4>& notes = {});
    // The Port pop-up (the serial devices present are listed below its items).
    QMenu* port_menu() const { return port_menu_; }
    // The texts of the File menu's tools: record, play, compare, picture.
    void set_tool_texts(const std::array<QString, 4>& texts);
    void apply(const MenuState& state);
    // Picks the largest menu font (12 down to 9 pixels) with which every item
    // fits in one line of the given width.
    void fit_to_width(int width);
    QString highlighted_text() const;

  signals:
    void command(int id);

  private:
    QAction* add(QMenu* menu, int id, const QString& text);
    int menu_id_;
    std::map<int, QAction*> actions_;
    HighlightStyle* style_;
    int highlighted_ = 0;
    QMenu* port_menu_ = nullptr;
};

}  // namespace tarvex
