#include "batch/batchrun.h"

#include "app/mainstate.h"
#include "graphic/sectiongraphic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool HaveTool(const char* tool) {
    return runCommand(std::string("command -v ") + tool + " >/dev/null 2>&1").status == 0;
}

class BatchPrint : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("telmora_batchprint_" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string dir(const char* name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

TEST_F(BatchPrint, WritesOnePdfPerSectionOfTheRange) {
    const std::string out = dir("pdf");
    const CommandResult r =
        runCommand(batchCommand("print " + samplePath() + " --out " + out + " --from 2 --to 4"));
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, out + "/2.pdf\n" + out + "/3.pdf\n" + out + "/4.pdf\n");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(out))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"2.pdf", "3.pdf", "4.pdf"}));

    if (!HaveTool("pdfinfo") || !HaveTool("pdftotext"))
        GTEST_SKIP() << "pdfinfo/pdftotext missing";
    const CommandResult info = runCommand("pdfinfo " + out + "/2.pdf");
    EXPECT_NE(info.out.find("Title:           2.pdf"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("595 x 842 pts (A4)"), std::string::npos) << info.out;
    const std::string pages = info.out.substr(info.out.find("Pages:"), 30);
    const int n = std::stoi(pages.substr(6));
    EXPECT_GE(n, 1);
    CommandResult text = runCommand("pdftotext " + out + "/2.pdf - | tr -d ' '");
    for (const std::string& expected : {std::string("BRESKIngenieureGmbHBerlin"), std::string("Startschacht"),
                                        "1/" + std::to_string(n), std::string("kanalnetz.h")})
        EXPECT_NE(text.out.find(expected), std::string::npos) << expected;
}

TEST_F(BatchPrint, PrintsEverySectionByDefault) {
    const CommandResult r = runCommand(batchCommand("print " + samplePath() + " --out " + dir("alle")));
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 10);
    EXPECT_TRUE(fs::exists(dir("alle/10.pdf")));
}

TEST_F(BatchPrint, ExitStatusesAndMessages) {
    std::ofstream(dir("text.h"), std::ios::binary) << "Nur ein Text\r\nHI 2\r\n";
    std::ofstream(dir("datei"), std::ios::binary) << "kein Ordner";
    struct Case {
        std::string args;
        int status;
        std::string message; // on stderr, UTF-8
    };
    const std::string sample = samplePath();
    const Case cases[] = {
        {"print " + dir("fehlt.h") + " --out " + dir("o"), 2, ""},
        {"print " + dir("text.h") + " --out " + dir("o"), 1, ""},
        {"print " + sample, 64, ""},
        {"print " + sample + " --out", 64, ""},
        {"print " + sample + " --out " + dir("o") + " --from", 64, ""},
        {"print " + sample + " --out " + dir("o") + " --frob 1", 64, ""},
        {"print " + sample + " --out " + dir("o") + " --from 0", 64,
         "von-Wert ist ung\xC3\xBCltig ( >0 und <=10 )\n"},
        {"print " + sample + " --out " + dir("o") + " --from 3a", 64, "von-Wert ist kein Ganzzahlwert\n"},
        {"print " + sample + " --out " + dir("o") + " --from 5 --to 4", 64,
         "bis-Wert ist ung\xC3\xBCltig ( >0  und  >=von-Wert  und  <=10 )\n"},
        {"print " + sample + " --out " + dir("o") + " --to 11", 64,
         "bis-Wert ist ung\xC3\xBCltig ( >0  und  >=von-Wert  und  <=10 )\n"},
        {"print " + sample + " --out " + dir("datei") + " --to 1", 4, ""},
        {"graphic " + sample + " 11 --out " + dir("a.png"), 3,
         "Die Haltung mit der lfd.Nr. 11 wurde nicht gefunden.\n"},
        {"graphic " + sample + " 0 --out " + dir("a.png"), 64, ""},
        {"graphic " + sample + " 1", 64, ""},
        {"graphic " + dir("text.h") + " 1 --out " + dir("a.png"), 1, ""},
        {"graphic " + sample + " 1 --out " + dir("fehlt/a.png"), 4, ""},
    };
    for (const Case& c : cases) {
        const CommandResult r = runCommand(batchCommand(c.args) + " 2>&1 >/dev/null");
        EXPECT_EQ(r.status, c.status) << c.args;
        if (!c.message.empty()) {
            EXPECT_EQ(r.out, c.message) << c.args;
        }
    }
    // Nothing is written when the numbers are refused.
    EXPECT_FALSE(fs::exists(dir("o")));
}

TEST_F(BatchPrint, GraphicIsAsWideAsTheFrameAndHoldsTheEndManhole) {
    MainState state;
    ASSERT_EQ(state.openFile(samplePath(), samplePath()).status, OpenStatus::Loaded);
    struct Case {
        int number;
        int frameHeight; // as the window draws the frame
        int height;      // of the image
    };
    // Section 1: its rows make the frame tall enough for everything. Section 8 (9.5 m, no observations):
    // the frame is 5 x 9.5 + 120 high, the end manhole lies at 150 + 5 x 8.5 and its name 25 below that.
    const Case cases[] = {{1, 421, 421}, {8, 167, 232}};
    for (const Case& c : cases) {
        const std::string png = dir("h.png");
        const CommandResult r = runCommand(
            batchCommand("graphic " + samplePath() + " " + std::to_string(c.number) + " --out " + png));
        ASSERT_EQ(r.status, 0);
        EXPECT_EQ(r.out, png + "\n");
        // The size from the PNG header, read by python rather than by Qt.
        const CommandResult size = runCommand(
            "python3 -c \"import struct,sys; d=open(sys.argv[1],'rb').read(24); "
            "assert d[:8]==b'\\x89PNG\\r\\n\\x1a\\n'; print('%d %d' % struct.unpack('>II', d[16:24]))\" " +
            png + " 2>/dev/null");
        if (size.status != 0)
            GTEST_SKIP() << "python3 missing";
        int width = 0, height = 0;
        ASSERT_EQ(std::sscanf(size.out.c_str(), "%d %d", &width, &height), 2) << size.out;
        EXPECT_EQ(width, 750) << c.number;
        EXPECT_EQ(height, c.height) << c.number;

        ASSERT_EQ(state.parseGridRow(c.number - 1), 1);
        SectionGraphicView view;
        view.frameTop = 0;
        EXPECT_EQ(SectionGraphicFrame(state.Haltung, view.windowWidth, 0).height, c.frameHeight) << c.number;
        EXPECT_EQ(SectionGraphicBottom(state.Haltung, view), c.height) << c.number;
    }
}

} // namespace
