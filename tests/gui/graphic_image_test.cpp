#include "graphic/sectiongraphicimage.h"
#include "graphic/testrecords.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using testrecords::AddZustand;
using testrecords::Section;

namespace {

// Width and height from the PNG header, read by python rather than by Qt.
std::string PngSize(const QString& path) {
    const std::string command =
        "python3 -c \"import struct,sys; d=open(sys.argv[1],'rb').read(24); "
        "print('%dx%d' % struct.unpack('>II', d[16:24]) if d[:8]==b'\\x89PNG\\r\\n\\x1a\\n' "
        "else 'not a png')\" '" +
        path.toStdString() + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {};
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    ::pclose(pipe);
    std::string text = read ? line : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// Whether any pixel of rows top..bottom-1 differs from the window's grey.
bool DrawnInRows(const QImage& image, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(216, 216, 216))
                return true;
    return false;
}

TEST(SectionGraphicImage, StartsAtTheFrameAndReachesDownToTheEndManholeName) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 3.0);
    const QImage image = SectionGraphicImage(r);
    // Frame 5 x 20 + 120 = 220 high; end manhole at 150 + 5 x 19 = 245, its name 25 below it.
    ASSERT_EQ(image.size(), QSize(750, 285));
    EXPECT_EQ(image.pixelColor(700, 230), QColor(216, 216, 216)); // below the frame: the window's grey
    EXPECT_TRUE(DrawnInRows(image, 265, 285));                     // the end manhole's name
    EXPECT_EQ(image.pixelColor(0, 100), QColor(255, 255, 255));   // bevel, light left edge
    EXPECT_EQ(image.pixelColor(749, 100), QColor(128, 128, 128)); // dark right edge
    EXPECT_EQ(image.pixelColor(60, 200), QColor(128, 128, 192));  // pipe at X0 - L
    EXPECT_EQ(image.pixelColor(700, 90), QColor(255, 255, 255));  // frame interior
}

TEST(SectionGraphicImage, SavesAPngThroughATemporaryFile) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("h12.png");
    EXPECT_EQ(SaveSectionGraphicPng(Section(20.0), path), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"h12.png"});
    const std::string size = PngSize(path);
    if (size.empty())
        GTEST_SKIP() << "python3 missing";
    EXPECT_EQ(size, "750x285");
}

TEST(SectionGraphicImage, RefusesWhatCannotBeWritten) {
    QTemporaryDir dir;
    const std::string tooTall = SaveSectionGraphicPng(Section(1e300), QDir(dir.path()).filePath("a.png"));
    EXPECT_EQ(tooTall,
              "Die Haltungsgrafik ist h\xF6her als 32767 Bildpunkte und wird nicht als Bild gespeichert.");
    const std::string noFolder =
        SaveSectionGraphicPng(Section(20.0), QDir(dir.path()).filePath("fehlt/a.png"));
    EXPECT_NE(noFolder.find("kann nicht geschrieben werden"), std::string::npos);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
