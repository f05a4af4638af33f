// SPDX-License-Identifier: MIT
// The oscilloscope's drawing on the QPainter canvas at the largest size:
// one recording tick with its read-outs (budget: well under the 20 ms tick)
// and the full repaint of the stored traces.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "gfx/qpainter_canvas.h"
#include "scope/scope_trace.h"
#include "ui/size_modes.h"

using namespace tarvex;

namespace {

struct ScopeBench {
    ScopeBuffers buf;
    ScopeState state;
    ControllerImage image;
    LinkState link;
    SizeState size;
    FontChoice fonts;
    UiTexts texts;
    int rpm = 0;
    QImage surface{1280, 994, QImage::Format_RGB32};
    ScopeBench() {
        set_size_mode(size, 5);
        fonts = choose_fonts(5, "pol");
        texts.slot[14] = "BENZYNA";
        texts.slot[15] = "LPG";
        link.NoConnection = 0;
        image.LiveFrame = {0x65, 120, 23, 140, 120, 0x4C, 0x1D, 0x18, 0xD1, 150, 0};
        surface.fill(Qt::lightGray);
        ResetScopeBuffers(buf, size.scale);
    }
    Scope scope() {
        return Scope{buf, state, image, link, size.scale, 5, fonts, texts, rpm, {239, 239, 239}};
    }
};

void BM_RecordScopeTick(benchmark::State& st) {
    ScopeBench b;
    int k = 0;
    for (auto _ : st) {
        b.image.LiveFrame[2] = static_cast<std::uint8_t>(k++ % 40);  // a swinging lambda
        QPainterCanvas canvas(b.surface);
        Scope s = b.scope();
        RecordScopeTick(canvas, s);
    }
}

void BM_RedrawScopeTraces(benchmark::State& st) {
    ScopeBench b;
    {
        QPainterCanvas canvas(b.surface);
        Scope s = b.scope();
        for (int i = 0; i < 400; ++i) {
            b.image.LiveFrame[2] = static_cast<std::uint8_t>(i % 40);
            RecordScopeTick(canvas, s);
        }
    }
    for (auto _ : st) {
        QPainterCanvas canvas(b.surface);
        Scope s = b.scope();
        RedrawScopeTraces(canvas, s);
    }
}

}  // namespace

BENCHMARK(BM_RecordScopeTick)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_RedrawScopeTraces)->Unit(benchmark::kMicrosecond)->Repetitions(5);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
