#include "PeImage.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr int kImportDirectory = 1;
constexpr int kResourceDirectory = 2;
constexpr std::uint32_t kHighBit = 0x80000000;
}  // namespace

PeImage::PeImage(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + file.string());
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());

    if (u16(0) != 0x5A4D) throw std::runtime_error("no MZ header");
    std::size_t pe = u32(0x3C);
    if (u32(pe) != 0x00004550) throw std::runtime_error("no PE signature");
    coffHeader_ = pe + 4;
    optionalHeader_ = coffHeader_ + 20;
    if (u16(optionalHeader_) != kPe32PlusMagic) throw std::runtime_error("not PE32+");

    std::size_t sectionTable = optionalHeader_ + u16(coffHeader_ + 16);
    for (std::uint16_t i = 0; i < u16(coffHeader_ + 2); ++i) {
        std::size_t s = sectionTable + 40 * std::size_t{i};
        sections_.push_back({u32(s + 12), u32(s + 8), u32(s + 20), u32(s + 16)});
    }
}

std::uint8_t PeImage::u8(std::size_t offset) const {
    if (offset >= bytes_.size()) throw std::out_of_range("read past the end of the file");
    return bytes_[offset];
}

std::uint16_t PeImage::u16(std::size_t offset) const {
    return static_cast<std::uint16_t>(u8(offset) | u8(offset + 1) << 8);
}

std::uint32_t PeImage::u32(std::size_t offset) const {
    return u16(offset) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
}

std::size_t PeImage::fileOffset(std::uint32_t rva) const {
    for (const Section& s : sections_) {
        if (rva >= s.virtualAddress && rva - s.virtualAddress < std::max(s.virtualSize, s.rawSize)) {
            return s.rawOffset + (rva - s.virtualAddress);
        }
    }
    throw std::out_of_range("address outside every section");
}

std::pair<std::uint32_t, std::uint32_t> PeImage::dataDirectory(int index) const {
    // PE32+ keeps the directory count at offset 108 and the directories from 112.
    if (static_cast<std::uint32_t>(index) >= u32(optionalHeader_ + 108)) return {0, 0};
    std::size_t entry = optionalHeader_ + 112 + 8 * static_cast<std::size_t>(index);
    return {u32(entry), u32(entry + 4)};
}

std::vector<std::string> PeImage::importedDlls() const {
    std::vector<std::string> names;
    auto [rva, size] = dataDirectory(kImportDirectory);
    if (size == 0) return names;
    // Import descriptors of 20 bytes, ended by an all-zero one; the name RVA is at 12.
    for (std::size_t d = fileOffset(rva); u32(d + 12) != 0; d += 20) {
        std::string name;
        for (std::size_t c = fileOffset(u32(d + 12)); u8(c) != 0; ++c) name += static_cast<char>(u8(c));
        names.push_back(name);
    }
    return names;
}

std::string PeImage::resourceKey(std::size_t root, std::uint32_t nameOrId) const {
    if (!(nameOrId & kHighBit)) return "#" + std::to_string(nameOrId);
    // A counted UTF-16 name; the names of this program's resources are ASCII.
    std::size_t at = root + (nameOrId & ~kHighBit);
    std::string name;
    for (std::uint16_t i = 0; i < u16(at); ++i) name += static_cast<char>(u16(at + 2 + 2 * std::size_t{i}));
    return name;
}

void PeImage::addResources(std::size_t root, std::size_t directory, const std::vector<std::string>& path,
                           std::vector<Resource>& out) const {
    std::size_t count = std::size_t{u16(directory + 12)} + u16(directory + 14);
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t entry = directory + 16 + 8 * i;
        std::uint32_t target = u32(entry + 4);
        std::vector<std::string> here = path;
        here.push_back(resourceKey(root, u32(entry)));
        if (target & kHighBit) {
            if (here.size() == 3) throw std::runtime_error("resource directories nested too deep");
            addResources(root, root + (target & ~kHighBit), here, out);
        } else if (here.size() == 3) {  // type, name, language
            std::size_t data = fileOffset(u32(root + target));
            std::size_t size = u32(root + target + 4);
            if (data + size > bytes_.size()) throw std::out_of_range("resource past the end of the file");
            out.push_back({here[0], here[1], {bytes_.begin() + data, bytes_.begin() + data + size}});
        } else {
            throw std::runtime_error("resource data at the wrong depth");
        }
    }
}

std::vector<PeImage::Resource> PeImage::resources() const {
    std::vector<Resource> out;
    auto [rva, size] = dataDirectory(kResourceDirectory);
    if (size == 0) return out;
    std::size_t root = fileOffset(rva);
    addResources(root, root, {}, out);
    return out;
}
