// Writes 200,000 observation rows of 25 columns, as the export does, and prints time and peak memory:
// through TExcelOle into the built-in engine (every cell through its full lookup chain) saved as .xls
// and as .xlsx, and, for comparison, the same cells written by a bare libxlsxwriter program in its
// constant-memory mode. Each case runs in a child process of its own so that its peak memory is its own.
//
//   excel_write_bench [rows] [folder] [bare|xls|xlsx]

#include "app/recordingmessageboxes.h"
#include "excel/texcelole.h"
#include "record/cp1252.h"

#include <xlsxwriter.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Row = std::array<std::string, 25>;

const char* const Header[25] = {
    "Dateiname",     "Lfd.Nr.",      "A-Schacht",      "E-Schacht",  "Bez.Haltg.", "Str.Name", "Unt.datum",
    "Halt.l\xE4nge", "Unt.l\xE4nge", "U-Richtung",     "Profilart",  "H/B",        "Material", "Videokass.",
    "Entf.[m]",      "K\xFCrzel",    "Langtext",       "Textzusatz", "M143",       "A149",     "B.Riss[mm]",
    "Pos.Ang. von",  "Pos.Ang. bis", "Videoz\xE4hler", "Bilddatei",
};

const char* const Codes[8][2] = {
    {"BAB", "Riss l\xE4ngs"},
    {"BCA", "Anschluss seitlich"},
    {"BAJ", "Verschobene Verbindung"},
    {"BBA", "Wurzeleinwuchs"},
    {"BDB", "Ablagerungen"},
    {"BAF", "Oberfl\xE4"
            "chensch\xE4"
            "den"},
    {"BCC", "Abzweig"},
    {"BDE", "Zufluss aus Anschluss \x80-Kosten"},
};

// Row `row` (2-based, as on the sheet): sections of 12 observations, texts in Windows-1252.
void makeRow(int row, Row& texts, double& station) {
    const int section = (row - 2) / 12;
    const int observation = (row - 2) % 12;
    char buf[64];
    texts[0] = "kanal.h";
    std::snprintf(buf, sizeof buf, "%4d", section % 10000);
    texts[1] = buf;
    texts[2] = "S" + std::to_string(10000 + section);
    texts[3] = "S" + std::to_string(10001 + section);
    texts[4] = "H" + std::to_string(section);
    texts[5] = "Gro\xDF"
               "e Stra\xDF"
               "e " +
               std::to_string(section % 97);
    texts[6] = "12.03.2007";
    texts[7] = std::to_string(20 + section % 60) + ".30";
    texts[8] = std::to_string(18 + section % 60) + ".5";
    texts[9] = section % 3 ? "in FR" : "gegen FR";
    texts[10] = "Kreis";
    texts[11] = "300 / 300 mm";
    texts[12] = "Beton";
    texts[13] = "K-" + std::to_string(section / 50);
    station = observation * 2.75;
    texts[15] = Codes[observation % 8][0];
    texts[16] = Codes[observation % 8][1];
    texts[17] = observation % 4 ? "" : "Zusatz";
    texts[18] = std::to_string(observation * 5);
    texts[19] = std::to_string(observation * 7 % 30);
    texts[20] = observation % 2 ? "0.3" : "";
    texts[21] = "03";
    texts[22] = "09";
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", row / 3600 % 100, row / 60 % 60, row % 60);
    texts[23] = buf;
    texts[24] = "bild" + std::to_string(row) + ".jpg";
}

struct Timing {
    double seconds;
    double saveSeconds;
};

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

Timing throughWrapper(int rows, const std::string& path) {
    const auto start = Clock::now();
    RecordingMessageBoxes boxes;
    TExcelOle ole(boxes);
    AutoValue app;
    AutoValue workbook;
    AutoValue sheet;
    ole.ExcelStart(false, app);
    ole.WorkbookAdd(1, workbook);
    ole.SheetAdd("Haltungen", sheet, workbook);
    ole.RangeColorSet("Haltungen", "A1:Y1", 15, workbook);
    for (const char* columns : {"C:E", "S:T", "V:Y"})
        ole.ColumnFormatSet("Haltungen", columns, "@", workbook);
    for (int c = 0; c < 25; ++c)
        ole.CellValueSet("Haltungen", 1, AutoValue(Header[c]), c + 1, workbook);
    Row texts;
    double station = 0;
    for (int r = 2; r <= rows + 1; ++r) {
        makeRow(r, texts, station);
        for (int c = 0; c < 25; ++c)
            ole.CellValueSet("Haltungen", r,
                             c == 14 ? AutoValue(station) : AutoValue(texts[static_cast<std::size_t>(c)]),
                             c + 1, workbook);
    }
    ole.ColumnAutoFit("Haltungen", "A:Y", workbook);
    const auto save = Clock::now();
    ole.WorkbookSaveAs(path, false, workbook);
    const double saveSeconds = since(save);
    ole.WorkbooksClose(path);
    ole.ExcelQuit();
    if (!boxes.shown.empty()) {
        std::fprintf(stderr, "failure: %s\n", boxes.shown.front().text.c_str());
        std::exit(1);
    }
    return {since(start), saveSeconds};
}

Timing bareLibxlsxwriter(int rows, const std::string& path) {
    const auto start = Clock::now();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Haltungen");
    lxw_format* grey = workbook_add_format(book);
    format_set_pattern(grey, LXW_PATTERN_SOLID);
    format_set_bg_color(grey, 0xC0C0C0);
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");
    for (const auto& [first, last] : {std::pair{2, 4}, std::pair{18, 19}, std::pair{21, 24}})
        worksheet_set_column(sheet, static_cast<lxw_col_t>(first), static_cast<lxw_col_t>(last), 12, text);
    for (int c = 0; c < 25; ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), cp1252ToUtf8(Header[c]).c_str(), grey);
    Row texts;
    double station = 0;
    for (int r = 2; r <= rows + 1; ++r) {
        makeRow(r, texts, station);
        const auto row = static_cast<lxw_row_t>(r - 1);
        for (int c = 0; c < 25; ++c) {
            const auto column = static_cast<lxw_col_t>(c);
            if (c == 14)
                worksheet_write_number(sheet, row, column, station, nullptr);
            else if (!texts[static_cast<std::size_t>(c)].empty())
                worksheet_write_string(sheet, row, column,
                                       cp1252ToUtf8(texts[static_cast<std::size_t>(c)]).c_str(), nullptr);
        }
    }
    const auto save = Clock::now();
    if (workbook_close(book) != LXW_NO_ERROR) {
        std::fprintf(stderr, "libxlsxwriter failed\n");
        std::exit(1);
    }
    return {since(start), since(save)};
}

// Runs one case in a child and prints its time and the child's peak resident memory.
void runCase(const char* name, const std::function<Timing()>& work, const std::string& path) {
    std::fflush(stdout);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const Timing t = work();
        if (::write(pipeFds[1], &t, sizeof t) != static_cast<ssize_t>(sizeof t))
            ::_exit(2);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    Timing t{};
    const bool got = ::read(pipeFds[0], &t, sizeof t) == static_cast<ssize_t>(sizeof t);
    ::close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("%-34s failed\n", name);
        return;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%-34s %7.2f s total  %6.2f s save  %7.2f s cpu  %7.1f MB peak  %7.1f MB file\n", name,
                t.seconds, t.saveSeconds, cpu, usage.ru_maxrss / 1024.0, ec ? 0.0 : size / 1048576.0);
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 200000;
    const std::string folder = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();
    std::printf("%d rows x 25 columns\n", rows);
    const std::string xls = folder + "/excel_write_bench.xls";
    const std::string xlsx = folder + "/excel_write_bench.xlsx";
    const std::string bare = folder + "/excel_write_bench_bare.xlsx";
    const std::string only = argc > 3 ? argv[3] : "";
    if (only.empty() || only == "bare")
        runCase(
            "bare libxlsxwriter (constant mem.)", [&] { return bareLibxlsxwriter(rows, bare); }, bare);
    if (only.empty() || only == "xls")
        runCase(
            "TExcelOle -> engine -> .xls", [&] { return throughWrapper(rows, xls); }, xls);
    if (only.empty() || only == "xlsx")
        runCase(
            "TExcelOle -> engine -> .xlsx", [&] { return throughWrapper(rows, xlsx); }, xlsx);
    for (const auto& file : {xls, xlsx, bare})
        std::filesystem::remove(file);
    return 0;
}
