// Paint time of the section graphic on a window-sized image through QPainterCanvas: the whole drawing
// (everything outside the image clipped by Qt) and a paint of the window's visible part only.
#include "graphic/qpaintercanvas.h"
#include "graphic/sectiongraphic.h"
#include "record/haltungrecord.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

HaltungRecord SectionWith(int observations) {
    HaltungRecord r;
    r.aSchacht.assign("S100");
    r.eSchacht.assign("S200");
    r.untLaenge = observations * 0.1 + 1.0;
    r.untLaengeText.assign("100.00m");
    int row = -15;
    for (int i = 0; i < observations; ++i) {
        ZustandEntry z;
        z.station = i * 0.1;
        z.kuerzel.assign(i % 7 ? "BAB " : "IAB ");
        z.textzusatz.assign("A1");
        z.langtext.assign("Riss, Laengsriss                             ");
        z.videozaehler.assign("00:01:02:03");
        z.bilddatei.assign("BILD0001.JPG");
        z.quant1.assign("5cm ");
        z.quant2.assign("10% ");
        z.rissbreite.assign("2");
        z.posVon.assign("3");
        z.posBis.assign("9");
        r.zustaende.push_back(z);
        row = NextScreenRowLine(row, z.station, 0);
    }
    r.zustandCount = observations;
    r.lastLabelPos = row;
    r.strecken[0] = {1.0, 20.0};
    return r;
}

void Paint(benchmark::State& state, bool clipToWindow) {
    const HaltungRecord record = SectionWith(static_cast<int>(state.range(0)));
    QImage image(790, 700, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(216, 216, 216));
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        SectionGraphicView view;
        if (clipToWindow) {
            view.clipTop = 41;
            view.clipBottom = 699;
        }
        benchmark::DoNotOptimize(DrawSectionGraphic(record, canvas, view));
    }
    state.SetLabel(clipToWindow ? "window paint" : "whole drawing");
}

void BM_PaintWholeDrawing(benchmark::State& state) {
    Paint(state, false);
}
void BM_PaintWindow(benchmark::State& state) {
    Paint(state, true);
}

BENCHMARK(BM_PaintWholeDrawing)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWindow)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
