#include "batch/batchcommands.h"

#include "app/mainstate.h"
#include "batch/batchgui.h"
#include "graphic/pdfprintdevice.h"
#include "graphic/serialprint.h"
#include "record/cp1252.h"

#include <QFile>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// The serial print without a window: nothing to cancel, what is left out goes to stderr and every
// file written is one line on stdout.
class BatchSerialPrintView final : public SerialPrintView {
public:
    explicit BatchSerialPrintView(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    void setErrLabel(std::string_view) override {}
    void focusField(SerialPrintField) override {}
    void setRunning(bool) override {}
    void processEvents() override {}
    void jobPrinted(long long, std::string_view jobTitle) override {
        const std::string line = (m_folder / std::string(jobTitle)).string() + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    void notice(SerialPrintNotice, long long, std::string_view message) override {
        writeUtf8(stderr, message);
        std::fputc('\n', stderr);
    }

private:
    std::filesystem::path m_folder;
};

int usage() {
    std::fputs("Aufruf: telmora-batch print DATEI --out ORDNER [--from N] [--to M]\n", stderr);
    return ExitUsage;
}

} // namespace

int runPrint(const BatchArgs& args) {
    std::string file, out, from = "1", to;
    bool toGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--out" && hasValue)
            out = args[++i];
        else if (arg == "--from" && hasValue)
            from = args[++i];
        else if (arg == "--to" && hasValue) {
            to = args[++i];
            toGiven = true;
        } else if (file.empty() && !arg.starts_with("--"))
            file = arg;
        else
            return usage();
    }
    if (file.empty() || out.empty())
        return usage();

    MainState state;
    if (const int status = loadForBatch(file, state); status != ExitOk)
        return status;
    if (!toGiven)
        to = std::to_string(state.HaltungCount);
    // The numbers are checked as the dialog checks its fields, before anything is written.
    const SerialPrintRange range =
        CheckSerialPrintRange(utf8ToCp1252(from), utf8ToCp1252(to), state.HaltungCount);
    if (!range.valid()) {
        writeUtf8(stderr, range.message);
        std::fputc('\n', stderr);
        return ExitUsage;
    }
    std::error_code error;
    std::filesystem::create_directories(out, error);
    if (error || !std::filesystem::is_directory(out)) {
        std::fprintf(stderr, "telmora-batch: Der Ordner %s kann nicht angelegt werden.\n", out.c_str());
        return ExitFailed;
    }

    startOffscreenGui();
    const auto device = PdfPrintDevice::IntoFolder(QFile::decodeName(out.c_str()));
    BatchSerialPrintView view(out);
    SerialPrint serialPrint;
    const SerialPrintEnd end =
        serialPrint.SerDruckBtnClick(utf8ToCp1252(from), utf8ToCp1252(to), state, *device, view);
    if (std::fflush(stdout) != 0)
        return ExitFailed;
    return end == SerialPrintEnd::Finished ? ExitOk : ExitFailed;
}
