#pragma once

#include <string>
#include <vector>

// True when the path names an existing folder; false for a file, a missing path or one that cannot be read.
bool FolderExists(const std::string& path);

// Creates one folder level (its parent must exist); true when it exists afterwards as a folder.
bool createFolder(const std::string& path);

// The ordinary files named *.h (or *.H) in the folder itself, not in its subfolders; hidden files and
// folders are not found. Sorted by name, so every run takes them in the same order.
std::vector<std::string> findIsybauFiles(const std::string& folder);
