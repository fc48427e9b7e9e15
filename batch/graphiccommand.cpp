#include "batch/batchcommands.h"

#include "app/mainstate.h"
#include "batch/batchgui.h"
#include "graphic/sectiongraphicimage.h"

#include <QFile>

#include <cstdio>

namespace {

int usage() {
    std::fputs("Aufruf: telmora-batch graphic DATEI NR --out BILD.png\n", stderr);
    return ExitUsage;
}

} // namespace

int runGraphic(const BatchArgs& args) {
    if (args.size() != 4 || args[2] != "--out")
        return usage();
    long long number = 0;
    if (!parseRunningNumber(args[1], number))
        return ExitUsage;
    const std::string& out = args[3];
    MainState state;
    if (const int status = loadForBatch(args[0], state); status != ExitOk)
        return status;
    if (number <= state.gridRowCount()) {
        state.selectGridRow(static_cast<int>(number - 1));
        state.ParseHaltung();
    }
    if (number > state.gridRowCount() || state.HaltungFound == 0) {
        std::fprintf(stderr, "Die Haltung mit der lfd.Nr. %lld wurde nicht gefunden.\n", number);
        return ExitNotFound;
    }
    startOffscreenGui();
    const std::string failure = SaveSectionGraphicPng(state.Haltung, QFile::decodeName(out.c_str()));
    if (!failure.empty()) {
        writeUtf8(stderr, failure);
        std::fputc('\n', stderr);
        return ExitFailed;
    }
    std::printf("%s\n", out.c_str());
    return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
}
