#pragma once

#include <atomic>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "guirt/Export.h"

namespace guirt {

class ClassRecord;
class Object;
template <class T>
class Ref;
template <class T>
class WeakRef;

// Raises the runtime's NilObjectException; the one way every "use of nil" is reported.
[[noreturn]] GUIRT_API void RaiseNilObjectException();

namespace detail {
// Outlives its object while weak references point at it, so a weak reference can tell
// "gone" from "alive" without touching freed memory.
struct WeakAnchor {
    std::atomic<std::int64_t> holders{1};  // the object itself counts as one holder
    std::atomic<Object*> target{nullptr};
};
}  // namespace detail

// Root of every runtime object: an intrusive reference count and the object's class record.
class GUIRT_API Object {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    // The class record the object was created from. Objects are made only through their
    // class record (RuntimeNewObject), which sets it.
    const ClassRecord& Class() const;
    bool IsA(const ClassRecord& cls) const;

    // For tests and diagnostics; program code never manages counts by hand.
    std::int64_t RefCount() const noexcept { return refs_.load(std::memory_order_relaxed); }

    static const ClassRecord& Record();

protected:
    Object() = default;

private:
    template <class>
    friend class Ref;
    template <class>
    friend class WeakRef;
    friend GUIRT_API Ref<Object> RuntimeNewObject(const ClassRecord& cls);

    void AddRef() const noexcept { refs_.fetch_add(1, std::memory_order_relaxed); }
    void Release() const noexcept {
        if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) Destroy();
    }
    // Adds a reference unless the count already reached zero (the object is on its way out).
    bool TryAddRef() const noexcept {
        std::int64_t count = refs_.load(std::memory_order_relaxed);
        while (count > 0) {
            if (refs_.compare_exchange_weak(count, count + 1, std::memory_order_acq_rel)) return true;
        }
        return false;
    }
    // Detaches weak references before any destructor runs, then deletes.
    void Destroy() const noexcept;
    detail::WeakAnchor* Anchor() const;

    // A new object starts with the one reference that RuntimeNewObject adopts.
    mutable std::atomic<std::int64_t> refs_{1};
    mutable detail::WeakAnchor* anchor_ = nullptr;
    const ClassRecord* class_ = nullptr;
};

// One counted reference. Dereferencing nil raises NilObjectException instead of crashing.
template <class T>
class Ref {
public:
    constexpr Ref() noexcept = default;
    constexpr Ref(std::nullptr_t) noexcept {}
    // Takes a new reference to p (the count of p goes up by one).
    explicit Ref(T* p) noexcept : p_(p) {
        if (p_) p_->AddRef();
    }
    Ref(const Ref& other) noexcept : Ref(other.p_) {}
    Ref(Ref&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(const Ref<U>& other)
    noexcept : Ref(other.get()) {}
    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(Ref<U>&& other)
    noexcept : p_(other.release()) {}
    ~Ref() { reset(); }

    Ref& operator=(Ref other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    void reset() noexcept {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    // Hands the reference to the caller, who must adopt it (see adopt()).
    [[nodiscard]] T* release() noexcept { return std::exchange(p_, nullptr); }
    // Wraps a pointer whose reference the caller already owns.
    static Ref adopt(T* p) noexcept {
        Ref r;
        r.p_ = p;
        return r;
    }

    T* get() const noexcept { return p_; }
    T& operator*() const {
        if (!p_) RaiseNilObjectException();
        return *p_;
    }
    T* operator->() const {
        if (!p_) RaiseNilObjectException();
        return p_;
    }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.p_ == b.p_; }
    friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.p_ == nullptr; }

private:
    T* p_ = nullptr;
};

// A reference that does not keep its object alive; Lock() gives nil once the object is gone.
template <class T>
class WeakRef {
public:
    WeakRef() noexcept = default;
    WeakRef(const Ref<T>& strong) : anchor_(strong ? strong.get()->Anchor() : nullptr) {
        if (anchor_) anchor_->holders.fetch_add(1, std::memory_order_relaxed);
    }
    WeakRef(const WeakRef& other) noexcept : anchor_(other.anchor_) {
        if (anchor_) anchor_->holders.fetch_add(1, std::memory_order_relaxed);
    }
    WeakRef& operator=(WeakRef other) noexcept {
        std::swap(anchor_, other.anchor_);
        return *this;
    }
    ~WeakRef() {
        if (anchor_ && anchor_->holders.fetch_sub(1, std::memory_order_acq_rel) == 1) delete anchor_;
    }

    Ref<T> Lock() const noexcept {
        Object* target = anchor_ ? anchor_->target.load(std::memory_order_acquire) : nullptr;
        if (!target || !target->TryAddRef()) return nullptr;
        return Ref<T>::adopt(static_cast<T*>(target));
    }

private:
    detail::WeakAnchor* anchor_ = nullptr;
};

}  // namespace guirt
