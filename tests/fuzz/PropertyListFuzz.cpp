#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/PopupMenu.h"
#include "guirt/PropertyList.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace {

// The list bytes end exactly where their allocation ends (no trailing zero as heap strings
// have), so a read of even one byte past the end is caught.
class ExactList {
public:
    explicit ExactList(std::string_view bytes)
        : storage_(new unsigned char[bytes.size() + 1]),
          record_(storage_.get(), bytes.size() | (guirt::kEncodingUTF8 << 32)) {
        storage_[0] = static_cast<unsigned char>(bytes.size() > 0xFF ? 0xFF : bytes.size());
        if (!bytes.empty()) std::memcpy(storage_.get() + 1, bytes.data(), bytes.size());
    }
    guirt::Ref<guirt::String> Get() { return guirt::Ref<guirt::String>(&record_); }
    std::int64_t RefCount() const { return record_.RefCount(); }

private:
    std::unique_ptr<unsigned char[]> storage_;
    guirt::String record_;
};

// Fresh objects have nothing that can refuse a well-typed value (a popup without rows
// ignores ListIndex), so the only acceptable failure is a format error pointing inside
// the list.
void CheckRaised(const guirt::RuntimeError& e, std::size_t size) {
    const auto& exception = e.Exception();
    if (!exception || !exception->IsA(guirt::UnsupportedFormatException::Record())) std::abort();
    const std::string_view message = guirt::TextOf(exception->Message());
    const std::string_view marker = "byte offset ";
    const std::size_t at = message.rfind(marker);
    if (at == std::string_view::npos) std::abort();
    std::size_t offset = 0;
    std::size_t digits = 0;
    for (std::size_t i = at + marker.size(); i < message.size() && message[i] >= '0' && message[i] <= '9'; ++i) {
        offset = offset * 10 + static_cast<std::size_t>(message[i] - '0');
        ++digits;
    }
    if (digits == 0 || offset >= size) std::abort();
}

template <class T>
void Apply(std::string_view bytes) {
    ExactList exact(bytes);
    {
        guirt::Ref<T> object = guirt::New<T>();
        try {
            guirt::RuntimeMassPropertySetter(*object, exact.Get());
        } catch (const guirt::RuntimeError& e) {
            CheckRaised(e, bytes.size());
        }
        if (object->RefCount() != 1) std::abort();
    }
    // Nothing may keep the list once the applier is done, raised or not.
    if (exact.RefCount() != 1) std::abort();
}

}  // namespace

// Input: one byte choosing the class, then the property list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 4) {
        case 0:
            Apply<guirt::Window>(list);
            break;
        case 1:
            Apply<guirt::PopupMenu>(list);
            break;
        case 2:
            Apply<guirt::Label>(list);
            break;
        default:
            Apply<guirt::TextField>(list);
            break;
    }
    return 0;
}
