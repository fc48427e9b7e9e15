// Time to print one section into a PDF file (A4, 1200 dpi): sections of 20 and 200 observations, as a
// first figure for the serial print's sections per second.
#include "graphic/pdfprintdevice.h"
#include "graphic/printsectiongraphic.h"
#include "record/haltungrecord.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

HaltungRecord SectionWith(int observations) {
    HaltungRecord r;
    r.lfdNr.assign("   1");
    r.aSchacht.assign("S100");
    r.eSchacht.assign("S200");
    r.untLaenge = 60.0;
    for (int i = 0; i < observations; ++i) {
        ZustandEntry z;
        z.station = i * 60.0 / observations;
        z.kuerzel.assign("BAB ");
        z.langtext.assign("Riss, Laengsriss");
        z.videozaehler.assign("00:01:02:03");
        z.bilddatei.assign("BILD0001.JPG");
        z.quant1.assign("5cm ");
        r.zustaende.push_back(z);
    }
    r.zustandCount = observations;
    return r;
}

void BM_PrintSectionToPdf(benchmark::State& state) {
    const HaltungRecord record = SectionWith(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const auto device = PdfPrintDevice::IntoFolder(dir.path());
    PrintJobSettings settings;
    settings.jobTitle = "1.pdf";
    int pages = 0;
    for (auto _ : state) {
        const PrintResult result = PrintSectionGraphic(*device, record, settings);
        pages = result.pages;
        if (!result.printed())
            state.SkipWithError("print failed");
    }
    state.counters["pages"] = pages;
    state.counters["sections/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_PrintSectionToPdf)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
