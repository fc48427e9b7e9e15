#include "record/isybautext.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#if defined(__linux__)
#include <sys/mman.h>
#endif

std::string_view IsybauLine::verbatim(int first, int last) const noexcept {
    if (first < 1)
        first = 1;
    if (last > m_length)
        last = m_length;
    if (first > last)
        return {};
    return {m_data + first - 1, static_cast<std::size_t>(last - first + 1)};
}

std::string IsybauLine::withoutBlanks(int first, int last) const {
    std::string out;
    for (char c : verbatim(first, last))
        if (c != ' ')
            out.push_back(c);
    return out;
}

std::string IsybauLine::padded(int first, int last) const {
    std::string out(verbatim(first, last));
    if (last >= first)
        out.resize(static_cast<std::size_t>(last - first + 1), ' ');
    return out;
}

bool IsybauLineReader::next(IsybauLine& line) noexcept {
    const std::size_t size = m_text.size();
    if (m_pos >= size)
        return false;
    const char* p = m_text.data() + m_pos;
    const std::size_t available = size - m_pos;
    const std::size_t look = available < IsybauLine::Width + 1 ? available : IsybauLine::Width + 1;
    if (const void* cr = std::memchr(p, '\r', look)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(cr) - p);
        line = IsybauLine(p, static_cast<int>(length));
        m_pos += length + 2;
        return true;
    }
    if (available > IsybauLine::Width) {
        line = IsybauLine(p, IsybauLine::Width);
        m_pos += IsybauLine::Width + 2;
        return true;
    }
    m_pos = size; // a last line without its CR is not processed
    return false;
}

namespace {

constexpr std::array<unsigned char, 256> makeConversionTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    t[0x81] = 0xFC; // ü
    t[0x84] = 0xE4; // ä
    t[0x8E] = 0xC4; // Ä
    t[0x94] = 0xF6; // ö
    t[0x99] = 0xD6; // Ö
    t[0x9A] = 0xDC; // Ü
    t[0xE1] = 0xDF; // ß
    t[0xF8] = 0xB0; // °
    // single-line box drawing characters become colons
    for (int b : {0xB3, 0xB4, 0xBF, 0xC0, 0xC3, 0xC4, 0xD9, 0xDA})
        t[b] = ':';
    return t;
}

constexpr std::array<unsigned char, 256> ConversionTable = makeConversionTable();

} // namespace

PrepareResult PrepareIsybauText(std::string& text) {
    PrepareResult result;
    auto* bytes = reinterpret_cast<unsigned char*>(text.data());
    const std::size_t size = text.size();
    // Only bytes from 0x80 up change: words of eight plain ASCII bytes are passed over whole.
    std::size_t i = 0;
    while (i < size) {
        if (i + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        bytes[i] = ConversionTable[bytes[i]];
        ++i;
    }
    // The table never produces "H", "I", blank or "2", so counting after the conversion counts the same.
    const std::string_view view(text);
    for (std::size_t at = view.find("HI 2"); at != std::string_view::npos; at = view.find("HI 2", at + 1))
        ++result.haltungCount;
    result.accepted = size >= 2 && text[0] == 'H' && text[1] == ' ' && result.haltungCount > 0;
    return result;
}

void normaliseLineEnds(std::string& text) {
    const bool hasLf = text.find('\n') != std::string::npos;
    if (!hasLf) {
        if (text.find('\r') == std::string::npos)
            return;
        std::string out;
        out.reserve(text.size() + text.size() / 40);
        for (char c : text) {
            out.push_back(c);
            if (c == '\r')
                out.push_back('\n');
        }
        text.swap(out);
        return;
    }
    bool lone = false;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') {
            lone = true;
            break;
        }
    }
    if (!lone)
        return;
    std::string out;
    out.reserve(text.size() + text.size() / 40);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out.push_back('\r');
        out.push_back(text[i]);
    }
    text.swap(out);
}

std::string describeReadError(const ReadResult& result, std::string_view shownPath) {
    std::string text = "Die Datei \"";
    text += shownPath;
    switch (result.status) {
    case ReadStatus::Ok:
        return {};
    case ReadStatus::Missing:
        return text + "\" existiert nicht.";
    case ReadStatus::NotAFile:
        return text + "\" ist ein Ordner und keine Datei.";
    case ReadStatus::Unreadable:
        break;
    }
    text += "\" kann nicht gelesen werden";
    if (result.systemError != 0) {
        text += " (";
        text += std::strerror(result.systemError);
        text += ")";
    }
    return text + ".";
}

namespace {

// Large files are read into memory backed by huge pages where the system offers them: on small pages
// most of the time of reading goes into faulting in the fresh memory page by page.
void reserveForFile(std::string& text, std::size_t size) {
    text.reserve(size);
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t Page = 4096;
    if (size < (std::size_t{8} << 20))
        return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(text.data()) + Page - 1) & ~(Page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(text.data()) + text.capacity()) & ~(Page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

} // namespace

ReadResult readIsybauFile(const std::string& path, std::string& text) {
    text.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable, errno};
    if (S_ISDIR(st.st_mode))
        return {ReadStatus::NotAFile, 0};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return {ReadStatus::Unreadable, errno};
    // Read straight into the text; a file that grows meanwhile is read to its end all the same.
    std::size_t have = 0;
    std::size_t want = S_ISREG(st.st_mode) && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 1 << 16;
    reserveForFile(text, want);
    for (;;) {
        text.resize(have + want);
        const std::size_t got = std::fread(text.data() + have, 1, want, file.get());
        have += got;
        if (got < want)
            break;
        want = 1 << 20;
    }
    text.resize(have);
    if (std::ferror(file.get())) {
        const int error = errno;
        text.clear();
        return {ReadStatus::Unreadable, error};
    }
    normaliseLineEnds(text);
    return {};
}
