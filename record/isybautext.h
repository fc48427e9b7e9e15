#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Shown when a text is not accepted as an ISYBAU file.
inline constexpr std::string_view NotIsybauMessage = "Es handelt sich um keine ISYBAU-Datei (*.h) ! ";

// One line of an ISYBAU text as the line frame cuts it: at most 80 characters, columns counted from 1.
class IsybauLine {
public:
    static constexpr int Width = 80;

    IsybauLine() = default;
    IsybauLine(const char* data, int length) noexcept : m_data(data), m_length(length) {}

    int length() const noexcept { return m_length; }
    std::string_view text() const noexcept { return {m_data, static_cast<std::size_t>(m_length)}; }
    // Column c (1..80); columns beyond the end of a shorter line read as blanks.
    char column(int c) const noexcept { return c >= 1 && c <= m_length ? m_data[c - 1] : ' '; }
    // Columns first..last verbatim; the field ends at the line's last character.
    std::string_view verbatim(int first, int last) const noexcept;
    // Columns first..last with every blank removed.
    std::string withoutBlanks(int first, int last) const;
    // Columns first..last, blank-padded to their full width.
    std::string padded(int first, int last) const;
    // True for an inspection record "HI n": columns 1-4 hold "H", "I", a blank and the digit.
    bool isRecord(char subRecord) const noexcept {
        return m_length >= 4 && m_data[0] == 'H' && m_data[1] == 'I' && m_data[2] == ' ' && m_data[3] == subRecord;
    }

private:
    const char* m_data = nullptr;
    int m_length = 0;
};

// Cuts a text into lines: a line ends at a CR, which is consumed with the character after it (the LF);
// a line also ends when 80 characters are collected and the next is not a CR, and then that character
// and the one after it are dropped. A last line without a CR is not processed.
class IsybauLineReader {
public:
    explicit IsybauLineReader(std::string_view text, std::size_t start = 0) noexcept : m_text(text), m_pos(start) {}

    // The next line; false at the end of the text.
    bool next(IsybauLine& line) noexcept;
    // Offset of the first character of the line that next() gives.
    std::size_t position() const noexcept { return m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos;
};

struct PrepareResult {
    long long haltungCount = 0; // occurrences of "HI 2" anywhere in the text
    bool accepted = false;      // begins "H " and holds at least one "HI 2"
};

// Converts the DOS letters of the text to Windows-1252 in place, counts its sections and decides whether
// it is an ISYBAU text.
PrepareResult PrepareIsybauText(std::string& text);

enum class ReadStatus { Ok, Missing, NotAFile, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    int systemError = 0; // errno of the failed call
};

// The reason a file could not be read, in the program's words, naming the file as the caller shows it.
std::string describeReadError(const ReadResult& result, std::string_view shownPath);

// Reads a file as bytes. Line ends are brought to CR LF: every LF that does not follow a CR becomes
// CR LF, and in a text without any LF every CR becomes CR LF.
ReadResult readIsybauFile(const std::string& path, std::string& text);

// Brings the line ends of a text to CR LF as readIsybauFile does.
void normaliseLineEnds(std::string& text);
