#include "excel/compoundfilewriter.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::uint64_t SectorSize = 512;
constexpr std::uint32_t FreeSector = 0xFFFFFFFF;
constexpr std::uint32_t EndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t FatSector = 0xFFFFFFFD;
constexpr std::uint32_t DifatSector = 0xFFFFFFFC;
constexpr std::uint32_t NoStream = 0xFFFFFFFF;
constexpr std::uint64_t MiniStreamCutoff = 4096;
constexpr std::uint32_t EntriesPerSector = SectorSize / 4;
constexpr std::uint32_t HeaderFatEntries = 109;

void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void put64(std::uint8_t* at, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// One 128-byte directory entry.
void directoryEntry(std::uint8_t* at, std::string_view name, std::uint8_t type, std::uint32_t child,
                    std::uint32_t start, std::uint64_t size) {
    std::memset(at, 0, 128);
    for (std::size_t i = 0; i < name.size() && i < 31; ++i)
        put16(at + 2 * i, static_cast<std::uint8_t>(name[i]));
    put16(at + 64, static_cast<std::uint16_t>(name.empty() ? 0 : 2 * (name.size() + 1)));
    at[66] = type;
    at[67] = 1; // black
    put32(at + 68, NoStream);
    put32(at + 72, NoStream);
    put32(at + 76, child);
    put32(at + 116, start);
    put64(at + 120, size);
}

} // namespace

CompoundFileWriter::CompoundFileWriter(std::FILE* file) : m_file(file) {
    const std::array<std::uint8_t, SectorSize> header{};
    put(header.data(), header.size()); // written properly by finish()
}

void CompoundFileWriter::put(const void* data, std::size_t size) {
    if (size && std::fwrite(data, 1, size, m_file) != size)
        throw std::runtime_error("the file cannot be written");
}

void CompoundFileWriter::seek(std::uint64_t offset) {
    if (std::fflush(m_file) != 0 || fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) != 0)
        throw std::runtime_error("the file cannot be written");
}

void CompoundFileWriter::write(const void* data, std::size_t size) {
    put(data, size);
    m_size += size;
}

void CompoundFileWriter::patch(std::uint64_t position, const void* data, std::size_t size) {
    if (position + size > m_size)
        throw std::logic_error("patch beyond the written stream");
    seek(SectorSize + position);
    put(data, size);
    seek(SectorSize + m_size);
}

void CompoundFileWriter::finish(std::string_view streamName) {
    // A stream below the cutoff would belong in the mini stream; pad it instead.
    if (m_size < MiniStreamCutoff) {
        const std::vector<std::uint8_t> zeros(MiniStreamCutoff - m_size, 0);
        write(zeros.data(), zeros.size());
    }
    if (m_size > 0x7FFFFFFF)
        throw std::runtime_error("the workbook is too large for the file format");
    const std::uint64_t streamSize = m_size;
    const auto streamSectors = static_cast<std::uint32_t>((streamSize + SectorSize - 1) / SectorSize);
    if (const std::uint64_t tail = streamSize % SectorSize) {
        const std::vector<std::uint8_t> zeros(SectorSize - tail, 0);
        put(zeros.data(), zeros.size());
    }

    const std::uint32_t directorySector = streamSectors;
    std::uint32_t fatSectors = 1;
    std::uint32_t difatSectors = 0;
    for (;;) {
        difatSectors = fatSectors > HeaderFatEntries
                           ? (fatSectors - HeaderFatEntries + EntriesPerSector - 2) / (EntriesPerSector - 1)
                           : 0;
        const std::uint64_t total = std::uint64_t{streamSectors} + 1 + fatSectors + difatSectors;
        if (std::uint64_t{fatSectors} * EntriesPerSector >= total)
            break;
        ++fatSectors;
    }
    const std::uint32_t firstFat = directorySector + 1;
    const std::uint32_t firstDifat = firstFat + fatSectors;

    std::array<std::uint8_t, SectorSize> sector{};
    directoryEntry(sector.data(), "Root Entry", 5, 1, EndOfChain, 0);
    directoryEntry(sector.data() + 128, streamName, 2, NoStream, 0, streamSize);
    directoryEntry(sector.data() + 256, {}, 0, NoStream, 0, 0);
    directoryEntry(sector.data() + 384, {}, 0, NoStream, 0, 0);
    put(sector.data(), sector.size());

    std::vector<std::uint8_t> fat(std::size_t{fatSectors} * SectorSize, 0xFF);
    for (std::uint32_t i = 0; i < streamSectors; ++i)
        put32(&fat[4 * i], i + 1 == streamSectors ? EndOfChain : i + 1);
    put32(&fat[4 * directorySector], EndOfChain);
    for (std::uint32_t i = 0; i < fatSectors; ++i)
        put32(&fat[4 * (firstFat + i)], FatSector);
    for (std::uint32_t i = 0; i < difatSectors; ++i)
        put32(&fat[4 * (firstDifat + i)], DifatSector);
    put(fat.data(), fat.size());

    for (std::uint32_t d = 0; d < difatSectors; ++d) {
        sector.fill(0xFF);
        for (std::uint32_t i = 0; i < EntriesPerSector - 1; ++i) {
            const std::uint32_t fatIndex = HeaderFatEntries + d * (EntriesPerSector - 1) + i;
            if (fatIndex < fatSectors)
                put32(&sector[4 * i], firstFat + fatIndex);
        }
        put32(&sector[SectorSize - 4], d + 1 < difatSectors ? firstDifat + d + 1 : EndOfChain);
        put(sector.data(), sector.size());
    }

    std::array<std::uint8_t, SectorSize> header{};
    const std::uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(header.data(), signature, sizeof signature);
    put16(&header[24], 0x003E);
    put16(&header[26], 0x0003);
    put16(&header[28], 0xFFFE);
    put16(&header[30], 9);
    put16(&header[32], 6);
    put32(&header[44], fatSectors);
    put32(&header[48], directorySector);
    put32(&header[56], static_cast<std::uint32_t>(MiniStreamCutoff));
    put32(&header[60], EndOfChain);
    put32(&header[68], difatSectors ? firstDifat : EndOfChain);
    put32(&header[72], difatSectors);
    for (std::uint32_t i = 0; i < HeaderFatEntries; ++i)
        put32(&header[76 + 4 * i], i < fatSectors ? firstFat + i : FreeSector);
    seek(0);
    put(header.data(), header.size());
    if (std::fflush(m_file) != 0)
        throw std::runtime_error("the file cannot be written");
}
