#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// A read-only view of a 64-bit Windows executable or DLL, as the loader sees it: the file
// and optional headers, the imported DLLs and the resources. Anything but a well-formed
// PE32+ file throws.
class PeImage {
public:
    explicit PeImage(const std::filesystem::path& file);

    std::uint16_t machine() const { return u16(coffHeader_); }
    std::uint16_t subsystem() const { return u16(optionalHeader_ + 68); }
    std::uint16_t characteristics() const { return u16(coffHeader_ + 18); }

    std::vector<std::string> importedDlls() const;

    // Type and name are "#<number>" for numbered entries, as Windows writes them.
    struct Resource {
        std::string type;
        std::string name;
        std::vector<std::uint8_t> data;
    };
    std::vector<Resource> resources() const;

private:
    struct Section {
        std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
    };

    std::uint8_t u8(std::size_t offset) const;
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;
    std::size_t fileOffset(std::uint32_t rva) const;
    // The RVA and size of one of the optional header's data directories.
    std::pair<std::uint32_t, std::uint32_t> dataDirectory(int index) const;
    void addResources(std::size_t root, std::size_t directory, const std::vector<std::string>& path,
                      std::vector<Resource>& out) const;
    std::string resourceKey(std::size_t root, std::uint32_t nameOrId) const;

    std::vector<std::uint8_t> bytes_;
    std::size_t coffHeader_ = 0;
    std::size_t optionalHeader_ = 0;
    std::vector<Section> sections_;
};
