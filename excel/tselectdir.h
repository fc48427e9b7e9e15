#pragma once

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>

// Asks the user for a folder; the platform's folder dialog on screen, a scripted answer in tests.
class FolderPrompt {
public:
    virtual ~FolderPrompt() = default;
    // title, root and start are Windows-1252; the answer is the chosen folder as the file system knows it.
    virtual std::optional<std::string> chooseFolder(const std::string& title, const std::string& root,
                                                    const std::string& start) = 0;
};

// The platform's folder dialog.
class QtFolderPrompt final : public FolderPrompt {
public:
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& root,
                                            const std::string& start) override;
};

// A folder chooser component: the owner sets Titel, RootDir and StartDir, calls Execute and reads
// SelectedDir. Texts are Windows-1252.
class TSelectDir final : public QObject {
    Q_OBJECT
public:
    explicit TSelectDir(QObject* owner, FolderPrompt* prompt = nullptr);

    // Shows the folder dialog; true when a folder was chosen (its path is then in SelectedDir).
    bool Execute();

    const std::string& GetTitel() const noexcept { return m_titel; }
    void SetTitel(const std::string& value) { m_titel = value; }
    bool GetBrowseForComputer() const noexcept { return flag(0x1000); }
    void SetBrowseForComputer(bool value) noexcept { setFlag(0x1000, value); }
    bool GetBrowseForPrinter() const noexcept { return flag(0x2000); }
    void SetBrowseForPrinter(bool value) noexcept { setFlag(0x2000, value); }
    bool GetDontGlobelOWDomain() const noexcept { return flag(0x0002); }
    void SetDontGlobelOWDomain(bool value) noexcept { setFlag(0x0002, value); }
    bool GetReturnFSAncestors() const noexcept { return flag(0x0008); }
    void SetReturnFSAncestors(bool value) noexcept { setFlag(0x0008, value); }
    bool GetReturnOnlyFSDirs() const noexcept { return flag(0x0001); }
    void SetReturnOnlyFSDirs(bool value) noexcept { setFlag(0x0001, value); }
    const std::string& GetRootDir() const noexcept { return m_rootDir; }
    void SetRootDir(const std::string& value) { m_rootDir = value; }
    const std::string& GetStartDir() const noexcept { return m_startDir; }
    void SetStartDir(const std::string& value) { m_startDir = value; }

    std::uint32_t flags() const noexcept { return m_flags; }
    // The folder chosen in the last Execute, as the user sees it; empty when that call returned false.
    const std::string& SelectedDir() const noexcept { return m_selectedDir; }

private:
    bool flag(std::uint32_t bit) const noexcept { return (m_flags & bit) != 0; }
    void setFlag(std::uint32_t bit, bool on) noexcept { m_flags = on ? (m_flags | bit) : (m_flags & ~bit); }

    FolderPrompt* m_prompt;
    QtFolderPrompt m_qtPrompt;
    std::string m_titel;
    std::string m_rootDir;
    std::string m_startDir;
    std::string m_selectedDir;
    std::uint32_t m_flags = 0;
};
