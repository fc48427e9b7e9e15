#pragma once

#include "record/fixedtext.h"
#include "record/haltungrecord.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the parser is asked for: the listing row of a section (SelectedRow) and, next to it, the section's
// full running number, so that sections beyond the four digits of the row are found too.
struct ParseRequest {
    FixedText<108> selectedRow;
    long long number = 0; // 0: the number is read from positions 1-4 of the row

    static ParseRequest forRow(std::string_view row, long long number);
};

// Reads sections of one ISYBAU text into the record. The text is indexed once (the position of every
// "HI 3" line and of the "HI 2" line before it), so parsing every section costs time in proportion to
// the text, not to its square.
class HaltungParser {
public:
    HaltungParser() = default;
    explicit HaltungParser(std::shared_ptr<const std::string> text);

    // Fills the record for the request and returns HaltungFound: 1 when the section was found.
    int ParseHaltung(const ParseRequest& request, HaltungRecord& record) const;

    std::string_view text() const noexcept { return m_text ? std::string_view(*m_text) : std::string_view(); }
    std::size_t sectionCount() const noexcept { return m_sections.size(); }

private:
    static constexpr std::size_t None = static_cast<std::size_t>(-1);
    struct Section {
        std::size_t hi3 = None; // offset of the section's "HI 3" line
        std::size_t hi2 = None; // offset of the last "HI 2" line before it
    };

    std::shared_ptr<const std::string> m_text;
    std::vector<Section> m_sections;
    std::size_t m_lastHi2 = None;
    std::size_t m_lastHi3 = None;
};

// The same parse by reading the text from its beginning, line by line, as the record is defined; the
// indexed parser must give the same record for every request.
int parseHaltungByScan(std::string_view text, const ParseRequest& request, HaltungRecord& record);
