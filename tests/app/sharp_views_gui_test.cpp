// SPDX-License-Identifier: MIT
// At a device pixel ratio of 2 (QT_SCALE_FACTOR=2) each view is drawn at that
// ratio: halving and doubling a pixel-doubled picture changes nothing, a sharp
// one changes where its texts and slanted lines are.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include "app/views.h"
#include "support/shell_test.h"

using SharpViews = tarvex::testing::ShellTest;

TEST_F(SharpViews, EveryViewIsDrawnAtTheScreensRatio) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    open_window();
    for (int view :
         {tarvex::ViewReadings, tarvex::ViewOscilloscope, tarvex::ViewSchema, tarvex::ViewReset}) {
        window->run_command(tarvex::view_def(view).command);
        QImage shown = window->current_view()->grab().toImage();
        // What a view draws itself: its controls (sharp anyway) left out, but
        // for the Reset view, which is nothing else.
        for (QWidget* c : window->current_view()->findChildren<QWidget*>())
            if (view != tarvex::ViewReset && c->isVisible())
                QPainter(&shown).fillRect(c->geometry(), Qt::black);
        const QImage back = shown.scaled(shown.size() / 2).scaled(shown.size());
        int changed = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                changed += shown.pixel(x, y) != back.pixel(x, y);
        EXPECT_GT(changed, 1000) << "view " << view << " is pixel-doubled";
    }
}
