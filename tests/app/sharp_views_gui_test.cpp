// SPDX-License-Identifier: MIT
// The views on a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2): each is
// drawn at that ratio, not drawn at 1 and pixel-doubled. Halving and doubling
// a doubled picture changes nothing; a sharp one changes where its texts and
// slanted lines are.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app/commands.h"
#include "app/views.h"
#include "readings/readings_view.h"
#include "scope/scope_view.h"
#include "support/shell_test.h"

using namespace tarvex;

namespace {

using SharpViews = tarvex::testing::ShellTest;

// Pixels that halving and doubling the picture (nearest pixel both ways) changes.
int changed_by_halving(const QImage& image) {
    const QImage half =
        image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage back = half.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            changed += image.pixel(x, y) != back.pixel(x, y);
    return changed;
}

}  // namespace

TEST_F(SharpViews, EveryViewIsDrawnAtTheScreensRatio) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    open_window();
    const struct {
        int view;
        bool drawn_by_controls;  // the view's content is its controls, else its own drawing
    } views[] = {
        {ViewReadings, false}, {ViewOscilloscope, false}, {ViewSchema, false}, {ViewReset, true}};
    for (const auto& v : views) {
        window->run_command(view_def(v.view).command);
        ViewWidget* view = window->current_view();
        if (auto* r = qobject_cast<ReadingsView*>(view))
            r->tick();
        if (auto* s = qobject_cast<ScopeView*>(view))
            for (int i = 0; i < 5; ++i)
                s->tick();
        QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), view->size() * 2);
        if (!v.drawn_by_controls) {
            // What the view draws itself, the controls on it left out.
            for (QWidget* c : view->findChildren<QWidget*>())
                if (c->isVisible())
                    for (int y = c->y() * 2; y < (c->y() + c->height()) * 2; ++y)
                        for (int x = c->x() * 2; x < (c->x() + c->width()) * 2; ++x)
                            if (shown.valid(x, y))
                                shown.setPixel(x, y, 0);
        }
        EXPECT_GT(changed_by_halving(shown), 1000) << "view " << v.view << " is pixel-doubled";
    }
}
