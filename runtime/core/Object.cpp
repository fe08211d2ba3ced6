#include "guirt/Object.h"

#include "OwnClasses.h"
#include "guirt/ClassRecord.h"
#include "guirt/Exceptions.h"

namespace guirt {

const OwnClass kObjectClass{&Object::Record};

Object::~Object() = default;

void Object::Destroy() const noexcept {
    if (anchor_) {
        anchor_->target.store(nullptr, std::memory_order_release);
        if (anchor_->holders.fetch_sub(1, std::memory_order_acq_rel) == 1) delete anchor_;
    }
    delete this;
}

detail::WeakAnchor* Object::Anchor() const {
    if (!anchor_) {
        anchor_ = new detail::WeakAnchor;
        anchor_->target.store(const_cast<Object*>(this), std::memory_order_release);
    }
    return anchor_;
}

const ClassRecord& Object::Class() const {
    return *class_;
}

bool Object::IsA(const ClassRecord& cls) const {
    return Class().IsA(cls);
}

const ClassRecord& Object::Record() {
    static const ClassRecord& record = RuntimeNewClass("Object", nullptr, nullptr);
    return record;
}

void RaiseNilObjectException() {
    Raise<NilObjectException>("An object was nil where it was used.");
}

}  // namespace guirt
