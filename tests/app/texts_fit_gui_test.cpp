// SPDX-License-Identifier: MIT
// Every view and dialog in every language at every size, with the language
// files the program ships: no text is wider than the part of its control
// that the window shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <sstream>

#include "app/commands.h"
#include "app/view_factory.h"
#include "app/views.h"
#include "config/options_view.h"
#include "support/shell_test.h"

using namespace tarvex;

namespace {

struct TextsFit : tarvex::testing::ShellTest {
    std::ostringstream cut;  // one line per text that does not fit

    // The widths a control's texts need against what the window shows of it.
    void check(QWidget* w, QWidget* shown_in, const std::string& where) {
        const QRect r(w->mapTo(shown_in, QPoint(0, 0)), w->size());
        const int room = std::min(r.right(), shown_in->width() - 1) - r.left() + 1;
        const QFontMetrics fm = w->fontMetrics();
        auto need = [&](const QString& text, int extra) {
            const int width = fm.horizontalAdvance(text) + extra;
            if (!text.trimmed().isEmpty() && width > room)
                cut << where << ' ' << w->objectName().toStdString() << ": \"" << text.toStdString()
                    << "\" needs " << width << " px, has " << room << "\n";
        };
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            need(box->text(), box->sizeHint().width() - fm.horizontalAdvance(box->text()));
        } else if (auto* button = qobject_cast<QPushButton*>(w);
                   button && !button->text().isEmpty()) {
            // Clear of both edges by the style's margin.
            const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
            need(button->text(), 2 * margin);
        } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
            // Trailing blanks of a text are not seen.
            QString text = label->text();
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            need(text, 2 * (label->frameWidth() + label->margin()));
        } else if (label && !label->text().isEmpty()) {
            // A wrapped text: every word fits a line, and the lines the height.
            for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                need(word, 0);
            if (label->heightForWidth(label->width()) > label->height())
                cut << where << ' ' << w->parentWidget()->objectName().toStdString() << ": \""
                    << label->text().toStdString() << "\" needs more lines than fit\n";
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(list);
            opt.rect = list->rect();
            const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                              QStyle::SC_ComboBoxEditField, list);
            for (int i = 0; i < list->count(); ++i)
                need(list->itemText(i), list->width() - field.width());
        }
    }
    void check_all(QWidget* top, QWidget* shown_in, const std::string& where) {
        for (QWidget* w : top->findChildren<QWidget*>())
            if (!w->size().isEmpty())
                check(w, shown_in, where);
    }
};

}  // namespace

TEST_F(TextsFit, EveryTextFitsItsControlInEveryLanguageAtEverySize) {
    program.LanguageDirectory = TARVEX_LANG_SOURCE;
    open_window({1280, 1024});
    const int sizes[] = {cmd::Size640, cmd::Size800, cmd::Size1024, cmd::Size1280x960,
                         cmd::Size1280x1024};
    for (const auto& lang : kLanguages) {
        window->run_command(lang.command);
        for (int size : sizes) {
            window->run_command(size);
            for (int view = ViewReadings; view <= ViewOscilloscope; ++view) {
                window->run_command(view_def(view).command);
                const std::string where = std::string(lang.code) + " " +
                                          std::to_string(program.size.WindowWidth) + " view " +
                                          std::to_string(view);
                if (auto* settings = qobject_cast<SettingsView*>(window->current_view()))
                    settings->tick();
                check_all(window->current_view(), window->client(), where);
            }
            InfoDialog info(info_context(program), window.get());
            info.show();
            info.tick();
            check_all(&info, &info, std::string(lang.code) + " information");
            EmulDODialog corrections(settings_context(program), window.get());
            corrections.show();
            check_all(&corrections, &corrections, std::string(lang.code) + " corrections");
        }
    }
    EXPECT_EQ(cut.str(), "");
}
