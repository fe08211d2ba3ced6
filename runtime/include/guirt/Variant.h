#pragma once

#include <cstdint>
#include <variant>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/String.h"

namespace guirt {

// A reference-counted box for one value.
class GUIRT_API Variant : public Object {
public:
    using Value = std::variant<std::monostate, double, std::int64_t, bool, Ref<String>>;
    const Value& Get() const noexcept { return value_; }
    void Set(Value value) { value_ = std::move(value); }
    static const ClassRecord& Record();

private:
    Value value_;
};

GUIRT_API Ref<Variant> DoubleToVariant(double value);
// The number the variant holds (text is read with Val; nil and empty give 0).
GUIRT_API double VariantToDouble(const Ref<Variant>& variant);
// The text form that Val reads back as the same value (nil gives the empty text).
GUIRT_API Ref<String> VariantToString(const Ref<Variant>& variant);

}  // namespace guirt
