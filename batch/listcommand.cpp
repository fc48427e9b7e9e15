#include "batch/batchcommands.h"

#include "app/mainstate.h"
#include "record/cp1252.h"

#include <cstdio>

int runList(const BatchArgs& args) {
    if (args.size() != 1) {
        std::fputs("Aufruf: telmora-batch list DATEI\n", stderr);
        return ExitUsage;
    }
    MainState state;
    if (const int status = loadForBatch(args[0], state); status != ExitOk)
        return status;
    const Listing& listing = state.listing();
    std::string out;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        out += cp1252ToUtf8(listing.row(i));
        out += '\n';
        if (out.size() > (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
}
