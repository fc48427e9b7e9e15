#pragma once

#include <string>
#include <string_view>

// Text inside the program is Windows-1252. These convert where it meets the terminal, Qt or a file
// format that needs Unicode. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 controls of the same number, so every byte survives a round trip.
std::string cp1252ToUtf8(std::string_view text);
std::u16string cp1252ToUtf16(std::string_view text);
char32_t cp1252ToCodePoint(unsigned char byte) noexcept;

// Characters without a Windows-1252 byte become '?'. Invalid UTF-8 bytes are taken as Latin-1.
std::string utf8ToCp1252(std::string_view text);
std::string utf16ToCp1252(std::u16string_view text);
