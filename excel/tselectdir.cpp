#include "excel/tselectdir.h"

#include "app/qtext.h"
#include "excel/exporthaltungen.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

std::optional<std::string> QtFolderPrompt::chooseFolder(const std::string& title, const std::string& root,
                                                        const std::string& start) {
    QFileDialog dialog(nullptr, toQString(title));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // The root the owner names ("Desktop") stands first in the side bar and is where the tree opens when
    // no start folder is given or it no longer exists.
    QString rootPath;
    if (root == "Desktop")
        rootPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    else if (!root.empty())
        rootPath = QString::fromStdString(toFileSystemPath(root));
    if (rootPath.isEmpty() || !QFileInfo(rootPath).isDir())
        rootPath = QDir::homePath();
    QList<QUrl> sidebar{QUrl::fromLocalFile(rootPath), QUrl::fromLocalFile(QDir::homePath())};
    dialog.setSidebarUrls(sidebar);
    const QString startPath = QString::fromStdString(toFileSystemPath(start));
    dialog.setDirectory(!startPath.isEmpty() && QFileInfo(startPath).isDir() ? startPath : rootPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

TSelectDir::TSelectDir(QObject* owner, FolderPrompt* prompt) : QObject(owner), m_prompt(prompt) {}

bool TSelectDir::Execute() {
    m_selectedDir.clear();
    FolderPrompt& prompt = m_prompt ? *m_prompt : m_qtPrompt;
    const std::optional<std::string> chosen = prompt.chooseFolder(m_titel, m_rootDir, m_startDir);
    if (!chosen || chosen->empty())
        return false;
    std::string folder = *chosen;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    m_selectedDir = fromFileSystemPath(folder);
    return true;
}
