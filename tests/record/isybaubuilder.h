#pragma once

#include <string>
#include <string_view>

// Builds ISYBAU lines column by column for the tests.
class LineBuilder {
public:
    explicit LineBuilder(std::string_view record) : m_line(80, ' ') { put(1, record); }

    // Writes text from column col (1-based); columns past 80 are cut.
    LineBuilder& put(int col, std::string_view text) {
        for (std::size_t i = 0; i < text.size() && col - 1 + i < 80; ++i)
            m_line[col - 1 + i] = text[i];
        return *this;
    }
    // Writes text right-aligned into columns first..last.
    LineBuilder& right(int first, int last, std::string_view text) {
        const int width = last - first + 1;
        const int start = last - static_cast<int>(text.size()) + 1;
        return put(start < first ? first : start, text.substr(0, static_cast<std::size_t>(width)));
    }
    // The line without trailing blanks, ended by CR LF.
    std::string crlf() const {
        std::string s = m_line;
        while (!s.empty() && s.back() == ' ')
            s.pop_back();
        return s + "\r\n";
    }
    const std::string& full() const { return m_line; }

private:
    std::string m_line;
};

inline std::string hi1(std::string_view date) { return LineBuilder("HI 1").put(5, date).crlf(); }

inline std::string hi2(std::string_view bez, std::string_view street) {
    return LineBuilder("HI 2").put(5, bez).put(20, street).crlf();
}

struct Hi3 {
    std::string a, e;
    std::string profile = "0", height = "300", width = "", material = "STZ", direction = "I", length = "45.30",
                cassette = "001";
};

inline std::string hi3(const Hi3& h) {
    return LineBuilder("HI 3")
        .put(15, h.a)
        .put(25, h.e)
        .right(39, 40, h.profile)
        .right(41, 44, h.height)
        .right(45, 48, h.width)
        .put(49, h.material)
        .put(63, h.direction)
        .right(65, 70, h.length)
        .put(72, h.cassette)
        .crlf();
}

struct Hi4 {
    std::string station, code, zusatz, q1, q2, crack, from, to, counter = "1234", image = "B1.JPG";
};

inline std::string hi4(const Hi4& h) {
    return LineBuilder("HI 4")
        .right(15, 20, h.station)
        .right(22, 32, h.counter)
        .put(38, h.image)
        .put(50, h.code)
        .put(55, h.zusatz)
        .right(57, 62, h.q1)
        .right(65, 70, h.q2)
        .right(72, 75, h.crack)
        .right(77, 78, h.from)
        .right(79, 80, h.to)
        .crlf();
}

inline std::string isybauHeader() { return "H  ISYBAU 96\r\n"; }
