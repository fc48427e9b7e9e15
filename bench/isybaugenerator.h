#pragma once

#include <cstddef>
#include <string>

// Writes a generated ISYBAU file of about `bytes` bytes: sections of `observations` observations each,
// in the DOS code page with CR LF line ends. Returns the number of sections.
long long writeGeneratedIsybauFile(const std::string& path, std::size_t bytes, int observations);

// Writes a generated ISYBAU file of exactly `sections` sections.
void writeGeneratedIsybauSections(const std::string& path, long long sections, int observations);
