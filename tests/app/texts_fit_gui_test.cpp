// SPDX-License-Identifier: MIT
// Every view and the program information in every language at every size,
// with the shipped language files: no text is wider than what the window
// shows of its control (a check box's text beside its box, a button's clear
// of its edges, every entry of a list).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <sstream>

#include "app/view_factory.h"
#include "app/views.h"
#include "support/shell_test.h"

using namespace tarvex;
using TextsFit = tarvex::testing::ShellTest;

TEST_F(TextsFit, EveryTextFitsItsControlInEveryLanguageAtEverySize) {
    std::ostringstream cut;
    auto check = [&cut](QWidget* top, QWidget* shown_in, const std::string& where) {
        for (QWidget* w : top->findChildren<QWidget*>()) {
            const int left = w->mapTo(shown_in, QPoint(0, 0)).x();
            const int room = std::min(left + w->width(), shown_in->width()) - left;
            QStringList texts;
            int beside = 0;  // what the control takes beside its text
            if (auto* box = qobject_cast<QCheckBox*>(w)) {
                texts << box->text();
                beside = box->sizeHint().width() - box->fontMetrics().horizontalAdvance(texts[0]);
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                texts << button->text();
                beside = 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
            } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
                texts << label->text().trimmed();
                beside = 2 * (label->frameWidth() + label->margin());
            } else if (auto* list = qobject_cast<QComboBox*>(w)) {
                QStyleOptionComboBox o;
                o.initFrom(list);
                beside = list->width() - w->style()
                                             ->subControlRect(QStyle::CC_ComboBox, &o,
                                                              QStyle::SC_ComboBoxEditField, w)
                                             .width();
                for (int i = 0; i < list->count(); ++i)
                    texts << list->itemText(i);
            }
            for (const QString& t : texts)
                if (const int need = w->fontMetrics().horizontalAdvance(t) + beside; need > room)
                    cut << where << ' ' << w->objectName().toStdString() << " \"" << t.toStdString()
                        << "\": " << need << " px in " << room << "\n";
        }
    };
    program.LanguageDirectory = TARVEX_LANG_SOURCE;
    open_window({1280, 1024});
    for (const LanguageDef& lang : kLanguages)
        for (int size = 1; size <= 5; ++size) {
            window->run_command(lang.command);
            window->run_command(size_command(size));
            const std::string where = lang.code + std::to_string(program.size.WindowWidth);
            for (int view = ViewReadings; view <= ViewOscilloscope; ++view) {
                window->run_command(view_def(view).command);
                check(window->current_view(), window->client(),
                      where + " view " + std::to_string(view));
            }
            InfoDialog info(info_context(program), window.get());
            info.show();
            check(&info, &info, where + " information");
        }
    EXPECT_EQ(cut.str(), "");
}
