#pragma once

#include <optional>
#include <string>

// Reading written PDFs back with poppler's command-line tools.
namespace pdftools {

// Whether pdfinfo and pdftotext can be run.
bool Available();
// The output of pdfinfo, or nullopt when it failed (not a PDF).
std::optional<std::string> Info(const std::string& path);
// The value of one pdfinfo field ("Title", "Page size"), without the blanks around it.
std::string InfoField(const std::string& path, const std::string& field);
// The "Pages:" count of pdfinfo, or -1.
int PageCount(const std::string& path);
// The text of every page as UTF-8, pages separated by form feeds.
std::string Text(const std::string& path);
// The same without any blanks: pdftotext may drop the blanks of short texts such as "1 / 3".
std::string TextWithoutBlanks(const std::string& path);

} // namespace pdftools
