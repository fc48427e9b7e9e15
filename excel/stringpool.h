#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The texts of one workbook, each kept once: cells refer to a text by its index, and the index is the
// text's place in the shared-string table of a saved workbook. Texts are stored back to back in large
// blocks, so a few million short texts cost little more than their characters.
class StringPool final {
public:
    StringPool();
    ~StringPool();
    StringPool(const StringPool&) = delete;
    StringPool& operator=(const StringPool&) = delete;

    // Index of `text`, adding it when it is new.
    std::uint32_t intern(std::string_view text);
    std::string_view at(std::uint32_t index) const;
    std::uint32_t size() const noexcept { return static_cast<std::uint32_t>(m_spans.size()); }

private:
    std::size_t find(std::string_view text, std::size_t hash) const;
    void grow();

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_blockUsed = 0;
    std::size_t m_blockSize = 0;
    std::vector<std::uint64_t> m_spans; // block:24 | offset:20 | length:20
    // Open addressing: the upper 32 bits of a text's hash over its index + 1; 0 = free. The hash bits
    // spare most comparisons with texts that only share a slot.
    std::vector<std::uint64_t> m_slots;
};
