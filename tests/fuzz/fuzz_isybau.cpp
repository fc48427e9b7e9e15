// libFuzzer target: any bytes as an ISYBAU file, loaded, listed and every section parsed.
#include "record/haltungparser.h"
#include "record/isybautext.h"
#include "record/listing.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto text = std::make_shared<std::string>(reinterpret_cast<const char*>(data), size);
    normaliseLineEnds(*text);
    PrepareIsybauText(*text);
    const Listing listing = buildListing(*text);
    const HaltungParser parser(text);
    HaltungRecord indexed, scanned;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        const ParseRequest request = ParseRequest::forRow(listing.row(i), static_cast<long long>(i) + 1);
        const int found = parser.ParseHaltung(request, indexed);
        // The plain scan reads from the start for every section: compare on small inputs only.
        if (size < 20000) {
            const int foundByScan = parseHaltungByScan(*text, request, scanned);
            if (found != foundByScan || !(indexed == scanned))
                std::abort();
        }
    }
    return 0;
}
