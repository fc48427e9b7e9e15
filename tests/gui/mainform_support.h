#pragma once

// What the window tests share: ISYBAU texts written to a temporary folder, and the file chooser and
// modal dialogs replaced by fakes that answer without a person.

#include "app/filechooser.h"
#include "app/modaldialogs.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace testsupport {

// One section as the listing shows it. Text is Windows-1252; the file is written in the DOS code page.
struct Section {
    std::string date = "12.03.2007";
    std::string street = "Lindenstra\337e, K\366ln";
    std::string aSchacht;
    std::string eSchacht;
    std::string bez = "10010";
};

// Places each text at its column (counted from 1) of an otherwise blank line.
inline std::string isybauLine(std::string_view record, std::initializer_list<std::pair<int, std::string>> fields) {
    std::string line(record);
    for (const auto& [column, text] : fields) {
        if (line.size() < static_cast<std::size_t>(column - 1 + text.size()))
            line.resize(static_cast<std::size_t>(column - 1) + text.size(), ' ');
        line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
    }
    return line + "\r\n";
}

// Windows-1252 letters back to the DOS code page the files come in.
inline std::string toDos(std::string text) {
    for (char& c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0xFC: c = '\x81'; break;
        case 0xE4: c = '\x84'; break;
        case 0xC4: c = '\x8E'; break;
        case 0xF6: c = '\x94'; break;
        case 0xD6: c = '\x99'; break;
        case 0xDC: c = '\x9A'; break;
        case 0xDF: c = '\xE1'; break;
        case 0xB0: c = '\xF8'; break;
        default: break;
        }
    }
    return text;
}

inline std::string isybauText(const std::vector<Section>& sections) {
    std::string text = "H  ISYBAU-Austauschformat 1996\r\n";
    for (const Section& s : sections) {
        text += isybauLine("HI 1", {{5, s.date}});
        text += isybauLine("HI 2", {{5, s.bez}, {20, s.street}});
        text += isybauLine("HI 3", {{5, "S"}, {15, s.aSchacht}, {25, s.eSchacht}, {39, "0 "}, {41, " 300"}, {65, " 45.30"}});
        text += isybauLine("HI 4", {{5, "        0.00"}, {50, "HA"}});
    }
    return toDos(text);
}

// Sections named by their manholes: section i runs from aNames[i] to "E" + its number.
inline std::vector<Section> sectionsFrom(const std::vector<std::string>& aNames) {
    std::vector<Section> sections;
    for (std::size_t i = 0; i < aNames.size(); ++i)
        sections.push_back({.aSchacht = aNames[i], .eSchacht = "E" + std::to_string(i + 1)});
    return sections;
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / ("telmora_" + name + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes to a file of the folder; returns its path as Qt names it.
    QString write(const std::filesystem::path& relative, const std::string& bytes) const {
        const auto file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return QString::fromStdString(file.string());
    }
    const std::filesystem::path& path() const noexcept { return m_path; }

private:
    std::filesystem::path m_path;
};

// Answers file choices from a queue (an empty answer: cancelled) and keeps what the dialog offered.
class FakeFileChooser final : public FileChooser {
public:
    QString chooseIsybauFile(QWidget*, const QString& offered) override {
        this->offered.push_back(offered);
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<QString> answers;
    std::vector<QString> offered;
};

// Keeps every dialog shown and lets the test act on it while it is "up".
class FakeModalDialogs final : public ModalDialogs {
public:
    int exec(QDialog& dialog) override {
        shown.push_back(&dialog);
        if (whileShown)
            whileShown(dialog);
        return QDialog::Accepted;
    }
    std::vector<QDialog*> shown;
    std::function<void(QDialog&)> whileShown;
};

} // namespace testsupport
