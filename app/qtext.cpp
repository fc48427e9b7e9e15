#include "app/qtext.h"

#include "record/cp1252.h"

QString toQString(std::string_view cp1252) {
    const std::u16string u = cp1252ToUtf16(cp1252);
    return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string fromQString(const QString& text) {
    return utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}
