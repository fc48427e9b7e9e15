// Loading, listing and parsing speed on a large generated file.
//   load_bench generate FILE MEGABYTES [OBSERVATIONS]   writes the file
//   load_bench sections FILE SECTIONS [OBSERVATIONS]    writes a file of that many sections
//   load_bench load FILE     read + convert + count + list; prints MB/s and peak memory
//   load_bench parse FILE    load, then parse every section; prints MB/s of text
#include "bench/isybaugenerator.h"
#include "record/haltungparser.h"
#include "record/isybautext.h"
#include "record/listing.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "generate") == 0) {
        const long long sections = writeGeneratedIsybauFile(argv[2], std::strtoull(argv[3], nullptr, 10) << 20,
                                                            argc > 4 ? std::atoi(argv[4]) : 20);
        std::printf("generated %s: %lld sections\n", argv[2], sections);
        return 0;
    }
    if (argc >= 4 && std::strcmp(argv[1], "sections") == 0) {
        writeGeneratedIsybauSections(argv[2], std::atoll(argv[3]), argc > 4 ? std::atoi(argv[4]) : 20);
        return 0;
    }
    if (argc != 3) {
        std::fputs("usage: load_bench generate FILE MEGABYTES [OBSERVATIONS] | load FILE | parse FILE\n", stderr);
        return 64;
    }
    const auto start = std::chrono::steady_clock::now();
    auto text = std::make_shared<std::string>();
    if (readIsybauFile(argv[2], *text).status != ReadStatus::Ok) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    const double megabytes = static_cast<double>(text->size()) / (1 << 20);
    const PrepareResult prepared = PrepareIsybauText(*text);
    const Listing listing = buildListing(*text);
    const double loadTime = seconds(start);
    if (std::strcmp(argv[1], "load") == 0) {
        std::printf("load+convert+count+list: %.1f MB in %.3f s = %.0f MB/s; %lld sections, %zu rows; "
                    "peak memory %.1f MB (%.2f x file)\n",
                    megabytes, loadTime, megabytes / loadTime, prepared.haltungCount, listing.size(),
                    peakKilobytes() / 1024.0, peakKilobytes() / 1024.0 / megabytes);
        return 0;
    }
    const auto parseStart = std::chrono::steady_clock::now();
    const HaltungParser parser(text);
    HaltungRecord record;
    long long found = 0, observations = 0;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        found += parser.ParseHaltung(ParseRequest::forRow(listing.row(i), static_cast<long long>(i) + 1), record);
        observations += record.zustandCount;
    }
    const double parseTime = seconds(parseStart);
    std::printf("index+parse all: %lld of %zu sections, %lld observations in %.3f s = %.0f MB/s of text\n", found,
                listing.size(), observations, parseTime, megabytes / parseTime);
    return 0;
}
