#pragma once

#include "ktrcore_global.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ktr {

class Object;

// Type tags, numbered as the automation value types so that a dump reads familiar.
enum class VarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Int16 = 2,
    Int32 = 3,
    Double = 5,
    Date = 7,
    WideText = 8,
    Object = 9,
    Bool = 11,
    ByteText = 0x100,
    Array = 0x2000,
};

// Raised for a conversion that cannot be made or an index outside an array's bounds.
class KTRCORE_EXPORT VariantError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One dimension of an array: indices run from lower to lower + count - 1.
struct ArrayBound {
    std::int32_t lower = 0;
    std::int32_t count = 0;
    std::int32_t upper() const { return lower + count - 1; }
    bool operator==(const ArrayBound &) const = default;
};

// The tagged value every call between host, plug-in, servers and job libraries carries.
// Texts are held as UTF-8; ByteText and WideText differ only by their tag, which says
// whether the system treats the text as narrow (code-page) or wide text.
// Strings, arrays and objects live in shared, reference-counted blocks; a write to a
// shared array copies it first, so a Variant behaves as a value.
class KTRCORE_EXPORT Variant {
public:
    Variant() noexcept = default;
    Variant(bool b) noexcept;
    Variant(std::int16_t i) noexcept;
    Variant(std::int32_t i) noexcept;
    Variant(double d) noexcept;
    Variant(const char *utf8);
    Variant(std::string_view utf8);
    Variant(const std::string &utf8);
    Variant(Object *object);
    Variant(const Variant &other) noexcept;
    Variant(Variant &&other) noexcept : m_type(other.m_type)
    {
        m_raw = other.m_raw;
        other.m_type = VarType::Empty;
        other.m_raw = 0;
    }
    Variant &operator=(const Variant &other) noexcept;
    Variant &operator=(Variant &&other) noexcept
    {
        Variant moved(std::move(other));
        swap(moved);
        return *this;
    }
    // Plain values hold nothing to let go of; only texts, arrays and objects leave the inline path.
    ~Variant()
    {
        if (holdsReference())
            release();
    }

    static Variant null();
    static Variant date(double daysSince18991230);
    static Variant byteText(std::string_view utf8);
    static Variant wideText(std::string_view utf8);
    // A one-dimensional array with bounds 0..n-1 holding the given values.
    static Variant array(std::initializer_list<Variant> items);
    static Variant array(std::vector<Variant> items, std::int32_t lower = 0);
    // An array of Empty elements with the given bounds (one entry per dimension).
    static Variant arrayOf(std::span<const ArrayBound> bounds);
    static Variant array1(std::int32_t lower, std::int32_t upper);
    static Variant array2(std::int32_t lower1, std::int32_t upper1, std::int32_t lower2,
                          std::int32_t upper2);

    VarType type() const noexcept { return m_type; }
    bool isEmpty() const noexcept { return m_type == VarType::Empty; }
    bool isNull() const noexcept { return m_type == VarType::Null; }
    bool isEmptyOrNull() const noexcept { return isEmpty() || isNull(); }
    bool isArray() const noexcept { return m_type == VarType::Array; }
    bool isText() const noexcept
    {
        return m_type == VarType::WideText || m_type == VarType::ByteText;
    }
    bool isNumeric() const noexcept;

    // Conversions in the automation manner: numbers from numeric texts and Booleans,
    // texts from numbers; Empty converts to 0, "" and false. Anything else raises.
    bool toBool() const;
    std::int32_t toInt() const;
    double toDouble() const;
    std::string toString() const;
    Object *toObject() const; // not owned by the caller: the Variant keeps a reference
    // The characters of a text without copying them (valid while the Variant lives);
    // empty for anything that is not a text.
    std::string_view textView() const noexcept;

    // Arrays.
    std::int32_t dimensions() const noexcept;
    std::int32_t lowerBound(std::int32_t dimension = 1) const;
    std::int32_t upperBound(std::int32_t dimension = 1) const;
    std::span<const ArrayBound> bounds() const noexcept;
    std::int32_t elementCount() const noexcept;
    const Variant &at(std::int32_t index) const;
    Variant &at(std::int32_t index);
    const Variant &at(std::int32_t i, std::int32_t j) const;
    Variant &at(std::int32_t i, std::int32_t j);
    const Variant &at(std::span<const std::int32_t> indices) const;
    Variant &at(std::span<const std::int32_t> indices);
    const Variant &operator[](std::int32_t index) const { return at(index); }
    Variant &operator[](std::int32_t index) { return at(index); }
    // Elements in storage order: the first index varies slowest (row-major).
    std::span<const Variant> elements() const noexcept;
    std::span<Variant> mutableElements();
    // Changes the upper bound of a one-dimensional array, keeping the elements that stay.
    void redim(std::int32_t newUpper);

    // Exact equality of type and value; arrays compare bounds and elements.
    bool operator==(const Variant &other) const;
    bool operator!=(const Variant &other) const { return !(*this == other); }

    // A short, readable rendering for logs, dumps and test failures.
    std::string debugString() const;

    void swap(Variant &other) noexcept
    {
        std::swap(m_type, other.m_type);
        std::swap(m_raw, other.m_raw);
    }

private:
    struct Shared;
    struct TextBlock;
    class BoundList;
    struct ArrayBlock;
    bool holdsReference() const noexcept
    {
        return m_type == VarType::WideText || m_type == VarType::ByteText || m_type == VarType::Array ||
               m_type == VarType::Object;
    }
    void release() noexcept;
    void retain() const noexcept;
    ArrayBlock &arrayBlock();
    const ArrayBlock &arrayBlock() const;
    std::size_t flatIndex(std::span<const std::int32_t> indices) const;

    VarType m_type = VarType::Empty;
    std::uint16_t m_reserved[3] = {};
    union {
        std::int64_t m_raw = 0;
        bool m_bool;
        std::int16_t m_int16;
        std::int32_t m_int32;
        double m_double;
        Shared *m_shared;
        Object *m_object;
    };
};

static_assert(sizeof(Variant) == 16, "Variant keeps the 16-byte automation layout");

KTRCORE_EXPORT const char *varTypeName(VarType type);

} // namespace ktr
