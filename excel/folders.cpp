#include "excel/folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

bool FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(fs::path(path), error);
}

bool createFolder(const std::string& path) {
    std::error_code error;
    fs::create_directory(fs::path(path), error);
    return FolderExists(path);
}

std::vector<std::string> findIsybauFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    fs::directory_iterator it(fs::path(folder), error);
    if (error)
        return files;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 3 || name.front() == '.')
            continue;
        const std::string extension = name.substr(name.size() - 2);
        if (extension != ".h" && extension != ".H")
            continue;
        std::error_code statError;
        if (!entry.is_regular_file(statError))
            continue;
        files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}
