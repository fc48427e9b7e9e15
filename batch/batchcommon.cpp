#include "batch/batchcommands.h"

#include "app/mainstate.h"
#include "record/cp1252.h"

#include <charconv>
#include <cstdio>

void writeUtf8(std::FILE* stream, std::string_view cp1252) {
    const std::string utf8 = cp1252ToUtf8(cp1252);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

int loadForBatch(const std::string& path, MainState& state) {
    // Paths on the command line are UTF-8; the program shows them in Windows-1252.
    const OpenResult opened = state.openFile(path, utf8ToCp1252(path));
    switch (opened.status) {
    case OpenStatus::Loaded:
        return ExitOk;
    case OpenStatus::NotIsybau:
        writeUtf8(stderr, opened.message);
        std::fputc('\n', stderr);
        return ExitNotIsybau;
    case OpenStatus::Unreadable:
        writeUtf8(stderr, opened.message);
        std::fputc('\n', stderr);
        return ExitUnreadable;
    }
    return ExitFailed;
}

bool parseRunningNumber(const std::string& text, long long& number) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || number < 1) {
        std::fprintf(stderr, "telmora-batch: \"%s\" ist keine laufende Nummer (1 oder mehr).\n", text.c_str());
        return false;
    }
    return true;
}
