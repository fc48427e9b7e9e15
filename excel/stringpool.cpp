#include "excel/stringpool.h"

#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

constexpr std::size_t BlockSize = std::size_t{1} << 20;
constexpr std::size_t MaxLength = (std::size_t{1} << 20) - 1;

std::uint64_t packSpan(std::size_t block, std::size_t offset, std::size_t length) {
    return (static_cast<std::uint64_t>(block) << 40) | (static_cast<std::uint64_t>(offset) << 20) | length;
}

} // namespace

StringPool::StringPool() : m_slots(1024, 0) {}

StringPool::~StringPool() = default;

std::string_view StringPool::at(std::uint32_t index) const {
    const std::uint64_t span = m_spans.at(index);
    const std::size_t block = static_cast<std::size_t>(span >> 40);
    const std::size_t offset = static_cast<std::size_t>((span >> 20) & MaxLength);
    const std::size_t length = static_cast<std::size_t>(span & MaxLength);
    return {m_blocks[block].get() + offset, length};
}

namespace {

std::uint64_t tagOf(std::size_t hash) {
    return static_cast<std::uint64_t>(hash >> 32) << 32;
}

} // namespace

std::size_t StringPool::find(std::string_view text, std::size_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    const std::uint64_t tag = tagOf(hash);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t entry = m_slots[slot];
        if (entry == 0)
            return slot;
        if ((entry & 0xFFFFFFFF00000000u) == tag && at(static_cast<std::uint32_t>(entry) - 1) == text)
            return slot;
    }
}

void StringPool::grow() {
    std::vector<std::uint64_t> slots(m_slots.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    const std::hash<std::string_view> hasher;
    for (std::uint32_t index = 0; index < size(); ++index) {
        const std::size_t hash = hasher(at(index));
        std::size_t slot = hash & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = tagOf(hash) | (std::uint64_t{index} + 1);
    }
    m_slots.swap(slots);
}

std::uint32_t StringPool::intern(std::string_view text) {
    if (text.size() > MaxLength)
        throw std::length_error("text too long for the string pool");
    const std::size_t hash = std::hash<std::string_view>{}(text);
    std::size_t slot = find(text, hash);
    if (m_slots[slot] != 0)
        return static_cast<std::uint32_t>(m_slots[slot]) - 1;

    if (m_blocks.empty() || m_blockUsed + text.size() > m_blockSize) {
        m_blockSize = std::max(BlockSize, text.size());
        m_blocks.push_back(std::make_unique<char[]>(m_blockSize));
        m_blockUsed = 0;
    }
    if (!text.empty())
        std::memcpy(m_blocks.back().get() + m_blockUsed, text.data(), text.size());
    const std::uint32_t index = size();
    m_spans.push_back(packSpan(m_blocks.size() - 1, m_blockUsed, text.size()));
    m_blockUsed += text.size();

    if ((static_cast<std::size_t>(index) + 1) * 2 > m_slots.size()) {
        grow();
        slot = find(text, hash);
    }
    m_slots[slot] = tagOf(hash) | (std::uint64_t{index} + 1);
    return index;
}
