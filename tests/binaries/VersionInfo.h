#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One block of a version resource: its key, its value (text, or bytes as stored) and the
// blocks inside it. The root is "VS_VERSION_INFO" with the fixed part as its value.
struct VersionBlock {
    std::u16string key;
    std::u16string text;
    std::vector<std::uint8_t> value;
    std::vector<VersionBlock> children;

    // The child with this key; throws when there is none.
    const VersionBlock& child(std::u16string_view childKey) const;
};

// Reads the tree of a RT_VERSION resource; malformed data throws.
VersionBlock parseVersionInfo(const std::vector<std::uint8_t>& data);
