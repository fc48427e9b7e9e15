#include "batch/batchrun.h"

#include "record/cp1252.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class BatchTool : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("telmora_batch_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path p = m_dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    fs::path m_dir;
};

TEST_F(BatchTool, ListPrintsOneUtf8RowPerSection) {
    const CommandResult r = runCommand(batchCommand("list " + samplePath()));
    ASSERT_EQ(r.status, 0);
    std::size_t rows = 0;
    for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1) {
        EXPECT_EQ(utf8ToCp1252(r.out.substr(start, end - start)).size(), 105u);
        ++rows;
    }
    EXPECT_EQ(rows, 10u);
    EXPECT_NE(r.out.find("Lindenstra\xC3\x9F" "e, K\xC3\xB6ln"), std::string::npos);
}

TEST_F(BatchTool, RecordPrintsJsonThatReadsBackExactly) {
    if (std::system("python3 -c 'import json' 2>/dev/null") != 0)
        GTEST_SKIP() << "python3 is missing";
    // An independent reader: python's json module checks the syntax and the values.
    const std::string check =
        "python3 -c \"import json,sys; r=json.load(sys.stdin); "
        "assert r['HaltungFound']==1 and r['lfdNr']=='1   ' and r['untLaenge']==45.3; "
        "assert r['zustandCount']==len(r['zustaende'])==8 and len(r['strecken'])==20; "
        "assert r['strecken'][0]=={'anfang':12.5,'ende':30.0}; "
        "assert r['zustaende'][1]['quant1']=='25cm ' and r['zustaende'][1]['einheit2']=='mm '; "
        "assert r['strassenname']=='Lindenstra\\u00dfe, K\\u00f6ln'; print('ok')\"";
    const CommandResult r = runCommand(batchCommand("record " + samplePath() + " 1") + " | " + check);
    EXPECT_EQ(r.out, "ok\n");
}

TEST_F(BatchTool, ExitStatusesTellWhatWentWrong) {
    const std::string notIsybau = write("text.h", "Nur ein Text\r\nHI 2\r\n");
    const std::string c1 = write("c1.h", "H \r\nHI 2\x8D\x8F\x90\x9D\r\nHI 3          S1        S2\r\n");
    struct Case {
        std::string args;
        int status;
    };
    const Case cases[] = {
        {"list " + (m_dir / "fehlt.h").string(), 2},
        {"list " + m_dir.string(), 2},
        {"list " + notIsybau, 1},
        {"record " + samplePath() + " 11", 3},
        {"record " + samplePath() + " 0", 64},
        {"record " + samplePath() + " x", 64},
        {"frobnicate", 64},
        {"--help", 0},
        {"list " + c1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runCommand(batchCommand(c.args) + " 2>/dev/null").status, c.status) << c.args;

    const CommandResult message = runCommand(batchCommand("list " + notIsybau) + " 2>&1");
    EXPECT_EQ(message.out, "Es handelt sich um keine ISYBAU-Datei (*.h) ! \n");
    const CommandResult missing = runCommand(batchCommand("list " + (m_dir / "fehlt.h").string()) + " 2>&1");
    EXPECT_NE(missing.out.find("fehlt.h"), std::string::npos);
    // the bytes Windows-1252 leaves undefined come out as the C1 controls of the same number (0x81 is
    // never left over: the conversion makes it a \xFC)
    const CommandResult undefinedBytes = runCommand(batchCommand("list " + c1));
    EXPECT_NE(undefinedBytes.out.find("\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"), std::string::npos);
}

} // namespace
