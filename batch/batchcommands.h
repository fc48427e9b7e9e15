#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class MainState;

// Exit statuses of the batch tool.
enum BatchExit : int {
    ExitOk = 0,
    ExitNotIsybau = 1,
    ExitUnreadable = 2,
    ExitNotFound = 3,
    ExitFailed = 4,
    ExitUsage = 64,
};

using BatchArgs = std::vector<std::string>;

// Loads the file named on the command line into the state; on failure tells why on stderr and gives the
// exit status, else ExitOk.
int loadForBatch(const std::string& path, MainState& state);

// Reads a running number argument (1 or more); false with a message on stderr when it is none.
bool parseRunningNumber(const std::string& text, long long& number);

// Writes Windows-1252 text to a stream as UTF-8.
void writeUtf8(std::FILE* stream, std::string_view cp1252);

int runList(const BatchArgs& args);
int runRecord(const BatchArgs& args);
int runExport(const BatchArgs& args);
// Only in a build with Qt (TELMORA_BATCH_GRAPHICS): PDF and PNG output.
int runPrint(const BatchArgs& args);
int runGraphic(const BatchArgs& args);
