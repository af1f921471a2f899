#pragma once

#include "Variant.h"
#include "ktrcore_global.h"

#include <atomic>
#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace ktr {

enum class InvokeKind { Method, PropertyGet, PropertyPut };

// Raised by a late-bound call that failed; carries the message the caller records.
class KTRCORE_EXPORT DispatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A late-bound object: members are invoked by name (compared without regard to case) with
// Variant arguments. Arguments are passed as a mutable span so that a callee can write
// back to arguments passed by reference. Lifetime is by reference count (ObjectRef);
// the count starts at zero and the first ObjectRef takes ownership.
class KTRCORE_EXPORT Object {
public:
    Object() = default;
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;
    virtual ~Object();

    virtual Variant invoke(std::string_view name, InvokeKind kind, std::span<Variant> args) = 0;

    void addRef() const noexcept { m_refs.fetch_add(1, std::memory_order_relaxed); }
    void release() const noexcept
    {
        if (m_refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }
    int refCount() const noexcept { return m_refs.load(std::memory_order_relaxed); }

private:
    mutable std::atomic<int> m_refs{0};
};

// Owning, reference-counted handle to an Object.
class KTRCORE_EXPORT ObjectRef {
public:
    ObjectRef() noexcept = default;
    ObjectRef(Object *object) noexcept : m_object(object)
    {
        if (m_object)
            m_object->addRef();
    }
    ObjectRef(const ObjectRef &other) noexcept : ObjectRef(other.m_object) {}
    ObjectRef(ObjectRef &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    ObjectRef &operator=(ObjectRef other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~ObjectRef()
    {
        if (m_object)
            m_object->release();
    }

    Object *get() const noexcept { return m_object; }
    Object *operator->() const noexcept { return m_object; }
    Object &operator*() const noexcept { return *m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }
    void reset() noexcept { *this = ObjectRef(); }
    bool operator==(const ObjectRef &other) const noexcept { return m_object == other.m_object; }

    // Late-bound conveniences; each raises DispatchError when the call fails or the
    // reference is empty.
    Variant call(std::string_view method, std::span<Variant> args) const;
    Variant call(std::string_view method, std::initializer_list<Variant> args = {}) const;
    Variant get(std::string_view property) const;
    void put(std::string_view property, const Variant &value) const;

private:
    Object *m_object = nullptr;
};

// The object a Variant holds, as an owning reference (empty when the Variant holds none).
KTRCORE_EXPORT ObjectRef objectOf(const Variant &value);

// Base for objects whose members are a table of handlers: register each member once in
// the constructor with addMethod/addProperty; invoke looks them up without regard to case
// and raises "Unknown name" for a member that is not there.
class KTRCORE_EXPORT DispatchObject : public Object {
public:
    using Method = std::function<Variant(std::span<Variant> args)>;
    using Getter = std::function<Variant()>;
    using Setter = std::function<void(const Variant &)>;

    Variant invoke(std::string_view name, InvokeKind kind, std::span<Variant> args) override;

protected:
    void addMethod(std::string_view name, Method method);
    void addProperty(std::string_view name, Getter getter, Setter setter = {});

    // Argument i, or raises DispatchError naming the member when the call has too few.
    static const Variant &argument(std::span<Variant> args, std::size_t index,
                                   std::string_view member);

private:
    struct Member {
        Method method;
        Getter getter;
        Setter setter;
    };
    std::map<std::string, Member> m_members; // keys in lower case
};

// Lower-case ASCII copy, for names compared without regard to case.
KTRCORE_EXPORT std::string asciiLower(std::string_view text);
KTRCORE_EXPORT bool sameTextAscii(std::string_view a, std::string_view b);

} // namespace ktr
