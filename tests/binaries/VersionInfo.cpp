#include "VersionInfo.h"

#include <stdexcept>

namespace {

constexpr std::uint16_t kTextValue = 1;

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

    // A block is wLength, wValueLength, wType, the key up to its null, padding to 32 bits,
    // the value, padding, then child blocks up to wLength.
    VersionBlock block(std::size_t at) const {
        std::size_t end = at + u16(at);
        std::size_t valueLength = u16(at + 2);
        bool isText = u16(at + 4) == kTextValue;
        if (end > data_.size() || end < at + 6) throw std::out_of_range("version block overruns its parent");

        VersionBlock block;
        std::size_t p = at + 6;
        for (; u16(p) != 0; p += 2) block.key += static_cast<char16_t>(u16(p));
        p = align(p + 2);
        if (isText) {
            // wValueLength counts characters here, the terminating null included.
            for (std::size_t i = 0; i < valueLength && p + 2 * i < end && u16(p + 2 * i) != 0; ++i) {
                block.text += static_cast<char16_t>(u16(p + 2 * i));
            }
            p += 2 * valueLength;
        } else {
            if (p + valueLength > end) throw std::out_of_range("version value overruns its block");
            block.value.assign(data_.begin() + static_cast<std::ptrdiff_t>(p),
                               data_.begin() + static_cast<std::ptrdiff_t>(p + valueLength));
            p += valueLength;
        }
        for (p = align(p); p < end; p = align(p + u16(p))) block.children.push_back(this->block(p));
        return block;
    }

private:
    static std::size_t align(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

    std::uint16_t u16(std::size_t offset) const {
        if (offset + 2 > data_.size()) throw std::out_of_range("read past the end of the version resource");
        return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
    }

    const std::vector<std::uint8_t>& data_;
};

}  // namespace

const VersionBlock& VersionBlock::child(std::u16string_view childKey) const {
    for (const VersionBlock& c : children) {
        if (c.key == childKey) return c;
    }
    throw std::runtime_error("no version block with the asked-for key");
}

VersionBlock parseVersionInfo(const std::vector<std::uint8_t>& data) {
    return Reader(data).block(0);
}
