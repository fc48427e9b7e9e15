#include "bench/isybaugenerator.h"

#include <cstdio>
#include <limits>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

void put(char* line, int col, const char* text) { std::memcpy(line + col - 1, text, std::strlen(text)); }

void putRight(char* line, int first, int last, const char* text) {
    const int n = static_cast<int>(std::strlen(text));
    std::memcpy(line + last - n, text, static_cast<std::size_t>(n > last - first + 1 ? last - first + 1 : n));
}

} // namespace

namespace {

long long writeGenerated(const std::string& path, std::size_t bytes, long long maxSections, int observations) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!f)
        throw std::runtime_error("cannot write " + path);
    std::string out = "H  ISYBAU 96 generated\r\n";
    static const char* codes[] = {"BA", "RL", "HG", "HP", "K", "II", "HL", "LV", "CM", "FOTO"};
    long long sections = 0;
    std::size_t written = 0;
    char buf[32];
    while (written + out.size() < bytes && sections < maxSections) {
        ++sections;
        char line[81];
        if (sections % 50 == 1) {
            std::memset(line, ' ', 80);
            put(line, 1, "HI 1");
            std::snprintf(buf, sizeof buf, "%02lld.03.2007", sections % 28 + 1);
            put(line, 5, buf);
            out.append(line, 80).append("\r\n");
        }
        std::memset(line, ' ', 80);
        put(line, 1, "HI 2");
        std::snprintf(buf, sizeof buf, "B%lld", sections);
        put(line, 5, buf);
        put(line, 20, "M\x81hlenweg 12, D\x81sseldorf");
        out.append(line, 80).append("\r\n");
        std::memset(line, ' ', 80);
        put(line, 1, "HI 3");
        std::snprintf(buf, sizeof buf, "S%lld", sections);
        put(line, 15, buf);
        std::snprintf(buf, sizeof buf, "S%lld", sections + 1);
        put(line, 25, buf);
        putRight(line, 39, 40, "0");
        putRight(line, 41, 44, "300");
        put(line, 49, "STZ");
        put(line, 63, sections % 7 == 0 ? "U" : "I");
        putRight(line, 65, 70, "45.30");
        put(line, 72, "001");
        out.append(line, 80).append("\r\n");
        for (int i = 0; i < observations; ++i) {
            std::memset(line, ' ', 80);
            put(line, 1, "HI 4");
            std::snprintf(buf, sizeof buf, "%.2f", i * 2.25);
            putRight(line, 15, 20, buf);
            std::snprintf(buf, sizeof buf, "%08d", i * 37);
            putRight(line, 22, 32, buf);
            std::snprintf(buf, sizeof buf, "B%05d.JPG", i);
            put(line, 38, buf);
            put(line, 50, codes[i % 10]);
            putRight(line, 57, 62, "12");
            putRight(line, 65, 70, "5");
            putRight(line, 77, 78, "3");
            putRight(line, 79, 80, "9");
            out.append(line, 80).append("\r\n");
        }
        if (out.size() > (1 << 20)) {
            written += std::fwrite(out.data(), 1, out.size(), f.get());
            out.clear();
        }
    }
    written += std::fwrite(out.data(), 1, out.size(), f.get());
    return sections;
}

} // namespace

long long writeGeneratedIsybauFile(const std::string& path, std::size_t bytes, int observations) {
    return writeGenerated(path, bytes, std::numeric_limits<long long>::max(), observations);
}

void writeGeneratedIsybauSections(const std::string& path, long long sections, int observations) {
    writeGenerated(path, static_cast<std::size_t>(-1), sections, observations);
}
