// SPDX-License-Identifier: MIT
#include "app/menu_bar.h"

#include <QCoreApplication>
#include <QMenu>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include "app/badges.h"
#include "app/commands.h"

namespace tarvex {

HighlightStyle::HighlightStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void HighlightStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuBarItem && !highlighted_.isEmpty()) {
        if (auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const auto* bar = qobject_cast<const QMenuBar*>(widget);
            const bool other_active =
                bar && bar->activeAction() && bar->activeAction()->text() != highlighted_;
            if (item->text == highlighted_ && !other_active) {
                QStyleOptionMenuItem copy(*item);
                copy.state |= State_Selected | State_Sunken;
                QProxyStyle::drawControl(element, &copy, painter, widget);
                return;
            }
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int HighlightStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
        case PM_MenuBarItemSpacing:
            return 0;
        case PM_MenuBarHMargin:
            return 2;
        case PM_MenuBarVMargin:
            return 1;
        case PM_MenuBarPanelWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize HighlightStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuBarItem && option) {
        const QFontMetrics& fm = option->fontMetrics;
        return {size.width() + kItemPadding, fm.height() + 4};
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

TarvexMenuBar::TarvexMenuBar(int menu_id, QWidget* parent)
    : QMenuBar(parent), menu_id_(menu_id), style_(new HighlightStyle) {
    setNativeMenuBar(false);
    setStyle(style_);
    const MenuTexts& t = menu_texts(menu_id);
    auto u = [](const char* s) { return QString::fromUtf8(s); };

    QMenu* file = addMenu(u(t.file));
    add(file, cmd::Open, u(t.open));
    add(file, cmd::SaveAs, u(t.save_as));
    // Their texts come from the language file (set_tool_texts).
    add(file, cmd::RecordReadings, QString())->setCheckable(true);
    add(file, cmd::PlayRecording, QString())->setCheckable(true);
    add(file, cmd::CompareWithFile, QString());
    add(file, cmd::SavePicture, QString());
    add(file, cmd::ReviewRecordings, QCoreApplication::translate("Review", "Review recordings..."));
    add(file, cmd::UndoLastChange, QCoreApplication::translate("History", "Undo last change"));
    add(file, cmd::SettingsHistory, QCoreApplication::translate("History", "Settings history..."));
    file->addSeparator();
    add(file, cmd::Exit, u(t.exit));

    QMenu* port = addMenu(u(t.port));
    port_menu_ = port;
    for (int n = 1; n <= 4; ++n)
        add(port, kPortCommands[static_cast<std::size_t>(n - 1)], QStringLiteral("COM %1").arg(n))
            ->setCheckable(true);

    QMenu* size = addMenu(u(t.size));
    static const char* size_texts[] = {"640x480", "800x600", "1024x768", "1280x960", "1280x1024"};
    for (std::size_t i = 0; i < kSizeMenuOrder.size(); ++i)
        add(size, kSizeMenuOrder[i], QString::fromLatin1(size_texts[i]))->setCheckable(true);

    QMenu* lang = addMenu(u(t.language));
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
        add(lang, kLanguages[i].command, u(t.languages[i]));

    for (std::size_t i = 0; i < kBarCommands.size(); ++i)
        add(nullptr, kBarCommands[i], u(t.bar[i]));
}

void TarvexMenuBar::set_tool_texts(const std::array<QString, 4>& texts) {
    const int ids[] = {cmd::RecordReadings, cmd::PlayRecording, cmd::CompareWithFile,
                       cmd::SavePicture};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (QAction* a = action(ids[i]))
            a->setText(texts[i]);
}

TarvexMenuBar::~TarvexMenuBar() {
    delete style_;
}

void TarvexMenuBar::fit_to_width(int width) {
    QFont f(QStringLiteral("Liberation Sans"));
    for (int px = 12; px >= 9; --px) {
        f.setPixelSize(px);
        QFontMetrics fm(f);
        int total = 2 * 2;
        for (QAction* a : actions()) {
            QString t = a->text();
            t.remove(QLatin1Char('&'));
            total += fm.horizontalAdvance(t) + HighlightStyle::kItemPadding;
        }
        if (total <= width || px == 9)
            break;
    }
    setFont(f);
}

QAction* TarvexMenuBar::add(QMenu* menu, int id, const QString& text) {
    QAction* a = menu ? menu->addAction(text) : addAction(text);
    a->setData(id);
    if (const char* keys = shortcut_for(id))
        a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    actions_[id] = a;
    connect(a, &QAction::triggered, this, [this, id] { emit command(id); });
    return a;
}

QAction* TarvexMenuBar::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void TarvexMenuBar::set_port_devices(const std::array<std::string, 4>& devices,
                                     const std::array<QString, 4>& notes) {
    for (std::size_t i = 0; i < 4; ++i) {
        QString beside = QString::fromStdString(devices[i]);
        if (!notes[i].isEmpty())
            beside += QStringLiteral(": ") + notes[i];
        beside.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (QAction* a = action(kPortCommands[i]))
            a->setText(QStringLiteral("COM %1\t%2").arg(i + 1).arg(beside));
    }
}

void TarvexMenuBar::apply(const MenuState& state) {
    for (auto& [id, a] : actions_) {
        a->setEnabled(state.is_enabled(id));
        if (a->isCheckable())
            a->setChecked(state.is_checked(id));
    }
    for (const auto& l : kLanguages)
        if (QAction* a = action(l.command))
            a->setIcon(language_badge_icon(l.badge, state.is_checked(l.command)));
    highlighted_ = state.highlighted;
    QAction* h = action(state.highlighted);
    style_->set_highlighted(h ? h->text() : QString());
    update();
}

QString TarvexMenuBar::highlighted_text() const {
    QAction* h = action(highlighted_);
    return h ? h->text() : QString();
}

}  // namespace tarvex
