#include "guirt/Variant.h"

#include <string>

#include "NumberText.h"
#include "OwnClasses.h"
#include "guirt/Numbers.h"

namespace guirt {

const OwnClass kVariantClass{&Variant::Record};

const ClassRecord& Variant::Record() {
    static const ClassRecord& record = RuntimeNewClass("Variant", &Object::Record(), FactoryOf<Variant>);
    return record;
}

Ref<Variant> DoubleToVariant(double value) {
    Ref<Variant> variant = New<Variant>();
    variant->Set(value);
    return variant;
}

double VariantToDouble(const Ref<Variant>& variant) {
    if (!variant) return 0.0;
    struct {
        double operator()(std::monostate) const { return 0.0; }
        double operator()(double d) const { return d; }
        double operator()(std::int64_t i) const { return static_cast<double>(i); }
        double operator()(bool b) const { return b ? 1.0 : 0.0; }
        double operator()(const Ref<String>& s) const { return Val(s); }
    } toDouble;
    return std::visit(toDouble, variant->Get());
}

Ref<String> VariantToString(const Ref<Variant>& variant) {
    if (!variant) return nullptr;
    struct {
        Ref<String> operator()(std::monostate) const { return nullptr; }
        Ref<String> operator()(double d) const { return Str(d); }
        Ref<String> operator()(std::int64_t i) const { return String::FromBytes(std::to_string(i)); }
        Ref<String> operator()(bool b) const { return String::FromBytes(b ? "True" : "False"); }
        Ref<String> operator()(const Ref<String>& s) const { return s; }
    } toText;
    return std::visit(toText, variant->Get());
}

}  // namespace guirt
