#include "guirt/PropertyList.h"

#include <cstring>
#include <string>

#include "guirt/ClassRecord.h"
#include "guirt/Exceptions.h"

namespace guirt {

namespace {

// Reads one property list front to back; every read is checked against the end.
class ListReader {
public:
    ListReader(const Object& object, std::string_view bytes) : object_(object), bytes_(bytes) {}

    bool AtEnd() const noexcept { return pos_ >= bytes_.size(); }
    std::size_t Offset() const noexcept { return pos_; }

    std::string_view Name() {
        std::size_t blank = bytes_.find(' ', pos_);
        if (blank == std::string_view::npos) {
            // The rest of the list is all the name there is; show it, cut to a readable length.
            entryName_ = bytes_.substr(pos_, 64);
            Fail("a name with no blank after it");
        }
        std::string_view name = bytes_.substr(pos_, blank - pos_);
        if (name.empty()) Fail("an empty name");
        pos_ = blank + 1;
        return name;
    }

    PropertyValue Value(TypeCode type) {
        switch (type) {
            case TypeCode::i8:
                return static_cast<std::int64_t>(LittleEndian(8));
            case TypeCode::b:
                return LittleEndian(1) != 0;
            case TypeCode::c:
                return Color{static_cast<std::uint32_t>(LittleEndian(4))};
            case TypeCode::f4:
                return BitCast<float>(static_cast<std::uint32_t>(LittleEndian(4)));
            case TypeCode::FontUnits:
                return static_cast<FontUnits>(LittleEndian(1));
            case TypeCode::s: {
                std::size_t length = static_cast<std::size_t>(LittleEndian(4));
                return String::FromBytes(Take(length));
            }
        }
        Fail("a property of an unknown type");
    }

    [[noreturn]] void Fail(std::string_view what) const {
        Raise<UnsupportedFormatException>("The property list for " + std::string(object_.Class().Name()) + " has " +
                                          std::string(what) + " in the entry \"" + std::string(entryName_) +
                                          "\" at byte offset " + std::to_string(entryStart_) + ".");
    }

    void BeginEntry() {
        entryStart_ = pos_;
        entryName_ = {};
    }
    void NameEntry(std::string_view name) { entryName_ = name; }

private:
    std::string_view Take(std::size_t count) {
        if (count > bytes_.size() - pos_) Fail("a value that runs past the end of the list");
        std::string_view taken = bytes_.substr(pos_, count);
        pos_ += count;
        return taken;
    }

    std::uint64_t LittleEndian(std::size_t width) {
        std::string_view raw = Take(width);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(raw[i])} << (8 * i);
        }
        return value;
    }

    const Object& object_;
    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t entryStart_ = 0;
    std::string_view entryName_;
};

}  // namespace

void RuntimeMassPropertySetter(Object& object, const Ref<String>& list) {
    // Keep the list alive while reading it, whoever else lets go of it.
    const Ref<String> held = list;  // NOLINT(performance-unnecessary-copy-initialization)
    const ClassRecord& cls = object.Class();
    ListReader reader(object, TextOf(held));
    while (!reader.AtEnd()) {
        reader.BeginEntry();
        std::string_view name = reader.Name();
        reader.NameEntry(name);
        const PropertyRecord* property = cls.FindProperty(name);
        if (!property) reader.Fail("a property that the class does not declare");
        PropertyValue value = reader.Value(property->type);
        property->setter(object, value);
    }
}

}  // namespace guirt
