#include "batch/batchcommands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Command {
    const char* name;
    int (*run)(const BatchArgs&);
    const char* usage;
    const char* help;
};

const Command Commands[] = {
    {"list", runList, "list FILE",
     "Prints the listing of FILE: one 105-character row per complete section, in order."},
    {"record", runRecord, "record FILE N",
     "Parses section N of FILE and prints its record as one JSON object (exit status 3 when\n"
     "      section N is not found; HaltungFound is then 0)."},
    {"export", runExport, "export PATH [--one-workbook] [--xlsx]",
     "PATH a file: exports its sections as \"Excel - Export\" does, to exceldat/<name>.xls beside it.\n"
     "      PATH a folder: exports every *.h file of it, one workbook per file in exceldat/, or with\n"
     "      --one-workbook all into isybau_h.xls in the folder. --xlsx writes .xlsx workbooks instead.\n"
     "      Prints one line per workbook written."},
#ifdef TELMORA_BATCH_GRAPHICS
    {"print", runPrint, "print FILE --out DIR [--from N] [--to M]",
     "Prints the section graphics of sections N to M (default: all) as \"Seriendruck\" does, one PDF\n"
     "      file DIR/<n>.pdf per section: A4 portrait, the whole page printable, 1200 dots per inch.\n"
     "      Prints one line per file written; sections that are not found are left out."},
    {"graphic", runGraphic, "graphic FILE N --out IMAGE.png",
     "Writes the section graphic of section N as the window draws it into a PNG image, 750 pixels\n"
     "      wide, the frame's corner at its top-left (exit status 3 when section N is not found)."},
#endif
};

void printHelp(std::FILE* stream) {
    std::fputs("telmora-batch - TELMORA without windows, for ISYBAU-1996 files (*.h)\n\nCommands:\n", stream);
    for (const Command& c : Commands)
        std::fprintf(stream, "  telmora-batch %s\n      %s\n", c.usage, c.help);
    std::fputs("\nText goes out as UTF-8. Exit status: 0 done, 1 not an ISYBAU file, 2 file missing or not\n"
               "readable, 3 section not found, 4 output could not be written, 64 wrong arguments.\n",
               stream);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printHelp(stderr);
        return ExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "help") == 0) {
        printHelp(stdout);
        return ExitOk;
    }
    const BatchArgs args(argv + 2, argv + argc);
    for (const Command& c : Commands)
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(args);
    std::fprintf(stderr, "telmora-batch: unbekannter Befehl \"%s\" (telmora-batch --help zeigt alle)\n", argv[1]);
    return ExitUsage;
}
