#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

// Writes a compound file (version 3, 512-byte sectors) that holds one stream, streaming its content to
// disk as it comes: the stream occupies the sectors right after the header, and the directory, the
// allocation table and its extension follow it once the stream is complete. Throws std::runtime_error
// when the file cannot be written.
class CompoundFileWriter final {
public:
    // `file` must be empty and open for update ("w+b"); the writer does not close it.
    explicit CompoundFileWriter(std::FILE* file);

    void write(const void* data, std::size_t size);
    // Bytes written to the stream so far.
    std::uint64_t position() const noexcept { return m_size; }
    // Overwrites bytes already written, at a stream position.
    void patch(std::uint64_t position, const void* data, std::size_t size);
    // Completes the file with the stream named `streamName` (ASCII, such as "Workbook").
    void finish(std::string_view streamName);

private:
    void put(const void* data, std::size_t size);
    void seek(std::uint64_t offset);

    std::FILE* m_file;
    std::uint64_t m_size = 0;
};
