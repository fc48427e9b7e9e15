#include "excel/workbookfile.h"

#include "excel/automationerror.h"
#include "excel/workbookdata.h"
#include "excel/xlsfilewriter.h"
#include "excel/xlsxfilewriter.h"
#include "record/cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t WriteBuffer = std::size_t{1} << 20;

[[noreturn]] void saveFailed(const std::string& path, const std::string& why) {
    throw AutomationError(AutomationErrorKind::ApplicationError, "\"" + path + "\" cannot be saved: " + why);
}

std::string lowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext;
}

// Removes the temporary file unless it was renamed into place.
class TempFile {
public:
    explicit TempFile(std::string path) : m_path(std::move(path)) {}
    ~TempFile() {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const noexcept { return m_path; }
    void release() noexcept { m_path.clear(); }

private:
    std::string m_path;
};

void writeXls(const WorkbookData& workbook, int fd) {
    std::FILE* file = ::fdopen(fd, "w+b");
    if (!file) {
        ::close(fd);
        throw std::runtime_error(std::strerror(errno));
    }
    const std::unique_ptr<char[]> buffer(new char[WriteBuffer]);
    std::setvbuf(file, buffer.get(), _IOFBF, WriteBuffer);
    try {
        writeXlsFile(workbook, file);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    if (std::fclose(file) != 0)
        throw std::runtime_error(std::strerror(errno));
}

} // namespace

WorkbookFormat workbookFormatOf(const std::string& path) {
    const std::string ext = lowerExtension(path);
    if (ext == ".xls")
        return WorkbookFormat::Xls;
    if (ext == ".xlsx")
        return WorkbookFormat::Xlsx;
    throw AutomationError(AutomationErrorKind::BadArguments,
                          "\"" + path + "\": only .xls and .xlsx workbooks can be written");
}

void saveWorkbookFile(const WorkbookData& workbook, const std::string& path, WorkbookFormat format,
                      bool refuseExisting) {
    std::string target = cp1252ToUtf8(path);
    for (char& c : target)
        if (c == '\\')
            c = '/';
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string fileName = slash == std::string::npos ? target : target.substr(slash + 1);
    if (fileName.empty())
        saveFailed(path, "the name names no file");

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && refuseExisting)
        saveFailed(path, "the file exists, and with alerts on there is nobody to ask whether to replace it");

    std::string pattern = folder + "/." + fileName + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        saveFailed(path, std::strerror(errno));
    TempFile temp(pattern);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, exists && S_ISREG(existing.st_mode) ? existing.st_mode & 07777 : 0666 & ~mask);

    try {
        if (format == WorkbookFormat::Xls) {
            writeXls(workbook, fd);
        } else {
            ::close(fd);
            writeXlsxFile(workbook, temp.path(), {});
        }
    } catch (const std::exception& e) {
        saveFailed(path, e.what());
    }
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        saveFailed(path, std::strerror(errno));
    temp.release();
}
