#include "Variant.h"

#include "BlockPool.h"
#include "Object.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>
#include <limits>
#include <sstream>

namespace ktr {

// Shared blocks carry their own reference count; Variant copies share them. A block is freed
// by the Variant that drops the last reference, which knows its kind from the type tag.
struct Variant::Shared {
    std::atomic<int> refs{1};
};

// A text block holds its UTF-8 characters right after its header, so a text costs one
// allocation however long it is.
struct Variant::TextBlock : Variant::Shared {
    std::size_t size = 0;

    static TextBlock *make(std::string_view text)
    {
        void *memory = detail::BlockPool::allocate(bytesFor(text.size()));
        auto *block = new (memory) TextBlock;
        block->size = text.size();
        if (!text.empty())
            std::memcpy(block->chars(), text.data(), text.size());
        block->chars()[text.size()] = '\0';
        return block;
    }
    static void destroy(TextBlock *block) noexcept
    {
        const std::size_t bytes = bytesFor(block->size);
        block->~TextBlock();
        detail::BlockPool::deallocate(block, bytes);
    }
    static std::size_t bytesFor(std::size_t textSize) { return sizeof(TextBlock) + textSize + 1; }
    char *chars() noexcept { return reinterpret_cast<char *>(this + 1); }
    const char *chars() const noexcept { return reinterpret_cast<const char *>(this + 1); }
    std::string_view view() const noexcept { return {chars(), size}; }
};

// The bounds of an array: one or two dimensions, by far the usual ones, are kept in place.
class Variant::BoundList {
public:
    void assign(std::span<const ArrayBound> bounds)
    {
        m_count = bounds.size();
        if (m_count <= kInPlace)
            std::copy(bounds.begin(), bounds.end(), m_inPlace);
        else
            m_more.assign(bounds.begin(), bounds.end());
    }
    std::size_t size() const noexcept { return m_count; }
    std::span<const ArrayBound> view() const noexcept
    {
        return m_count <= kInPlace ? std::span<const ArrayBound>(m_inPlace, m_count)
                                   : std::span<const ArrayBound>(m_more);
    }
    const ArrayBound &operator[](std::size_t i) const noexcept { return view()[i]; }
    ArrayBound &operator[](std::size_t i) noexcept { return m_count <= kInPlace ? m_inPlace[i] : m_more[i]; }
    bool operator==(const BoundList &other) const { return std::ranges::equal(view(), other.view()); }

private:
    static constexpr std::size_t kInPlace = 2;
    std::size_t m_count = 0;
    ArrayBound m_inPlace[kInPlace];
    std::vector<ArrayBound> m_more;
};

struct Variant::ArrayBlock : Variant::Shared {
    BoundList bounds;
    std::vector<Variant, detail::PoolAllocator<Variant>> elements;

    static void *operator new(std::size_t bytes) { return detail::BlockPool::allocate(bytes); }
    static void operator delete(void *block, std::size_t bytes) noexcept
    {
        detail::BlockPool::deallocate(block, bytes);
    }
};

namespace {

bool isSharedType(VarType t)
{
    return t == VarType::WideText || t == VarType::ByteText || t == VarType::Array;
}

std::string trimmed(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return std::string(s.substr(b, e - b));
}

// Reads a whole text as a number the way automation conversion does: optional blanks
// around it, a decimal point, an exponent. Anything else is a type mismatch.
double textToDouble(std::string_view text)
{
    const std::string t = trimmed(text);
    if (t.empty())
        throw VariantError("Could not convert variant of type (String) into type (Double)");
    char *end = nullptr;
    const double d = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || std::isnan(d))
        throw VariantError("Could not convert variant of type (String) into type (Double)");
    return d;
}

std::string formatDouble(double d)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", d);
    return buf;
}

std::int32_t roundToInt(double d)
{
    const double r = std::nearbyint(d); // banker's rounding, as automation conversion does
    if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
        throw VariantError("Invalid variant operation: overflow");
    return static_cast<std::int32_t>(r);
}

} // namespace

Variant::Variant(bool b) noexcept : m_type(VarType::Bool) { m_bool = b; }
Variant::Variant(std::int16_t i) noexcept : m_type(VarType::Int16) { m_int16 = i; }
Variant::Variant(std::int32_t i) noexcept : m_type(VarType::Int32) { m_int32 = i; }
Variant::Variant(double d) noexcept : m_type(VarType::Double) { m_double = d; }
Variant::Variant(const char *utf8) : Variant(std::string_view(utf8 ? utf8 : "")) {}
Variant::Variant(const std::string &utf8) : Variant(std::string_view(utf8)) {}
Variant::Variant(std::string_view utf8) : m_type(VarType::WideText)
{
    m_shared = TextBlock::make(utf8);
}
Variant::Variant(Object *object) : m_type(VarType::Object)
{
    m_object = object;
    if (m_object)
        m_object->addRef();
}

Variant::Variant(const Variant &other) noexcept
    : m_type(other.m_type)
{
    m_raw = other.m_raw;
    retain();
}

Variant &Variant::operator=(const Variant &other) noexcept
{
    Variant copy(other);
    swap(copy);
    return *this;
}

void Variant::retain() const noexcept
{
    if (isSharedType(m_type))
        m_shared->refs.fetch_add(1, std::memory_order_relaxed);
    else if (m_type == VarType::Object && m_object)
        m_object->addRef();
}

void Variant::release() noexcept
{
    if (isSharedType(m_type)) {
        // The sole owner needs no atomic decrement: nobody else can take a reference.
        if (m_shared->refs.load(std::memory_order_acquire) == 1 ||
            m_shared->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            if (m_type == VarType::Array)
                delete static_cast<ArrayBlock *>(m_shared);
            else
                TextBlock::destroy(static_cast<TextBlock *>(m_shared));
        }
    } else if (m_type == VarType::Object && m_object) {
        m_object->release();
    }
    m_type = VarType::Empty;
    m_raw = 0;
}

Variant Variant::null()
{
    Variant v;
    v.m_type = VarType::Null;
    return v;
}

Variant Variant::date(double days)
{
    Variant v(days);
    v.m_type = VarType::Date;
    return v;
}

Variant Variant::byteText(std::string_view utf8)
{
    Variant v(utf8);
    v.m_type = VarType::ByteText;
    return v;
}

Variant Variant::wideText(std::string_view utf8) { return Variant(utf8); }

Variant Variant::array(std::initializer_list<Variant> items)
{
    return array(std::vector<Variant>(items));
}

Variant Variant::array(std::vector<Variant> items, std::int32_t lower)
{
    auto *block = new ArrayBlock;
    const ArrayBound bound{lower, static_cast<std::int32_t>(items.size())};
    block->bounds.assign(std::span(&bound, 1));
    block->elements.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    Variant v;
    v.m_type = VarType::Array;
    v.m_shared = block;
    return v;
}

Variant Variant::arrayOf(std::span<const ArrayBound> bounds)
{
    if (bounds.empty())
        throw VariantError("An array needs at least one dimension");
    std::size_t total = 1;
    for (const ArrayBound &b : bounds) {
        if (b.count < 0)
            throw VariantError("Invalid array bounds");
        total *= static_cast<std::size_t>(b.count);
    }
    auto *block = new ArrayBlock;
    block->bounds.assign(bounds);
    block->elements.resize(total);
    Variant v;
    v.m_type = VarType::Array;
    v.m_shared = block;
    return v;
}

Variant Variant::array1(std::int32_t lower, std::int32_t upper)
{
    const ArrayBound b{lower, upper - lower + 1};
    return arrayOf(std::span(&b, 1));
}

Variant Variant::array2(std::int32_t lower1, std::int32_t upper1, std::int32_t lower2,
                        std::int32_t upper2)
{
    const ArrayBound b[2] = {{lower1, upper1 - lower1 + 1}, {lower2, upper2 - lower2 + 1}};
    return arrayOf(b);
}

bool Variant::isNumeric() const noexcept
{
    switch (m_type) {
    case VarType::Int16:
    case VarType::Int32:
    case VarType::Double:
    case VarType::Date:
    case VarType::Bool:
        return true;
    default:
        return false;
    }
}

bool Variant::toBool() const
{
    switch (m_type) {
    case VarType::Empty:
        return false;
    case VarType::Bool:
        return m_bool;
    case VarType::Int16:
        return m_int16 != 0;
    case VarType::Int32:
        return m_int32 != 0;
    case VarType::Double:
    case VarType::Date:
        return m_double != 0;
    case VarType::WideText:
    case VarType::ByteText: {
        const std::string t = asciiLower(trimmed(textView()));
        if (t == "true")
            return true;
        if (t == "false")
            return false;
        return textToDouble(t) != 0;
    }
    default:
        throw VariantError(std::string("Could not convert variant of type (") +
                           varTypeName(m_type) + ") into type (Boolean)");
    }
}

std::int32_t Variant::toInt() const
{
    switch (m_type) {
    case VarType::Empty:
        return 0;
    case VarType::Bool:
        return m_bool ? -1 : 0;
    case VarType::Int16:
        return m_int16;
    case VarType::Int32:
        return m_int32;
    case VarType::Double:
    case VarType::Date:
        return roundToInt(m_double);
    case VarType::WideText:
    case VarType::ByteText:
        return roundToInt(textToDouble(textView()));
    default:
        throw VariantError(std::string("Could not convert variant of type (") +
                           varTypeName(m_type) + ") into type (Integer)");
    }
}

double Variant::toDouble() const
{
    switch (m_type) {
    case VarType::Empty:
        return 0;
    case VarType::Bool:
        return m_bool ? -1 : 0;
    case VarType::Int16:
        return m_int16;
    case VarType::Int32:
        return m_int32;
    case VarType::Double:
    case VarType::Date:
        return m_double;
    case VarType::WideText:
    case VarType::ByteText:
        return textToDouble(textView());
    default:
        throw VariantError(std::string("Could not convert variant of type (") +
                           varTypeName(m_type) + ") into type (Double)");
    }
}

std::string Variant::toString() const
{
    switch (m_type) {
    case VarType::Empty:
        return {};
    case VarType::Bool:
        return m_bool ? "True" : "False";
    case VarType::Int16:
        return std::to_string(m_int16);
    case VarType::Int32:
        return std::to_string(m_int32);
    case VarType::Double:
    case VarType::Date:
        return formatDouble(m_double);
    case VarType::WideText:
    case VarType::ByteText:
        return std::string(textView());
    default:
        throw VariantError(std::string("Could not convert variant of type (") +
                           varTypeName(m_type) + ") into type (String)");
    }
}

Object *Variant::toObject() const
{
    if (m_type == VarType::Object)
        return m_object;
    if (m_type == VarType::Empty)
        return nullptr;
    throw VariantError(std::string("Could not convert variant of type (") +
                       varTypeName(m_type) + ") into type (Dispatch)");
}

const Variant::ArrayBlock &Variant::arrayBlock() const
{
    if (m_type != VarType::Array)
        throw VariantError("Variant is not an array");
    return *static_cast<const ArrayBlock *>(m_shared);
}

Variant::ArrayBlock &Variant::arrayBlock()
{
    if (m_type != VarType::Array)
        throw VariantError("Variant is not an array");
    // Copy on write: a shared array is copied before it is changed.
    if (m_shared->refs.load(std::memory_order_acquire) != 1) {
        auto *copy = new ArrayBlock;
        copy->bounds = static_cast<ArrayBlock *>(m_shared)->bounds;
        copy->elements = static_cast<ArrayBlock *>(m_shared)->elements;
        release();
        m_type = VarType::Array;
        m_shared = copy;
    }
    return *static_cast<ArrayBlock *>(m_shared);
}

std::string_view Variant::textView() const noexcept
{
    return isText() ? static_cast<const TextBlock *>(m_shared)->view() : std::string_view();
}

std::int32_t Variant::dimensions() const noexcept
{
    return m_type == VarType::Array
               ? static_cast<std::int32_t>(static_cast<const ArrayBlock *>(m_shared)->bounds.size())
               : 0;
}

std::int32_t Variant::lowerBound(std::int32_t dimension) const
{
    const ArrayBlock &a = arrayBlock();
    if (dimension < 1 || dimension > static_cast<std::int32_t>(a.bounds.size()))
        throw VariantError("Variant array dimension out of range");
    return a.bounds[dimension - 1].lower;
}

std::int32_t Variant::upperBound(std::int32_t dimension) const
{
    const ArrayBlock &a = arrayBlock();
    if (dimension < 1 || dimension > static_cast<std::int32_t>(a.bounds.size()))
        throw VariantError("Variant array dimension out of range");
    return a.bounds[dimension - 1].upper();
}

std::span<const ArrayBound> Variant::bounds() const noexcept
{
    if (m_type != VarType::Array)
        return {};
    return static_cast<const ArrayBlock *>(m_shared)->bounds.view();
}

std::int32_t Variant::elementCount() const noexcept
{
    if (m_type != VarType::Array)
        return 0;
    return static_cast<std::int32_t>(static_cast<const ArrayBlock *>(m_shared)->elements.size());
}

std::size_t Variant::flatIndex(std::span<const std::int32_t> indices) const
{
    const ArrayBlock &a = arrayBlock();
    if (indices.size() != a.bounds.size())
        throw VariantError("Variant array index has the wrong number of dimensions");
    std::size_t flat = 0;
    for (std::size_t d = 0; d < indices.size(); ++d) {
        const ArrayBound &b = a.bounds[d];
        const std::int64_t offset = std::int64_t(indices[d]) - b.lower;
        if (offset < 0 || offset >= b.count)
            throw VariantError("Variant array index out of bounds");
        flat = flat * static_cast<std::size_t>(b.count) + static_cast<std::size_t>(offset);
    }
    return flat;
}

const Variant &Variant::at(std::span<const std::int32_t> indices) const
{
    return arrayBlock().elements[flatIndex(indices)];
}

Variant &Variant::at(std::span<const std::int32_t> indices)
{
    const std::size_t i = flatIndex(indices);
    return arrayBlock().elements[i];
}

const Variant &Variant::at(std::int32_t index) const
{
    // The common case, one dimension, without the general index walk.
    if (m_type == VarType::Array) {
        const auto &a = *static_cast<const ArrayBlock *>(m_shared);
        if (a.bounds.size() == 1) {
            const std::int64_t offset = std::int64_t(index) - a.bounds[0].lower;
            if (offset < 0 || offset >= a.bounds[0].count)
                throw VariantError("Variant array index out of bounds");
            return a.elements[static_cast<std::size_t>(offset)];
        }
    }
    return at(std::span<const std::int32_t>(&index, 1));
}

Variant &Variant::at(std::int32_t index) { return at(std::span<const std::int32_t>(&index, 1)); }

const Variant &Variant::at(std::int32_t i, std::int32_t j) const
{
    const std::int32_t idx[2] = {i, j};
    return at(idx);
}

Variant &Variant::at(std::int32_t i, std::int32_t j)
{
    const std::int32_t idx[2] = {i, j};
    return at(idx);
}

std::span<const Variant> Variant::elements() const noexcept
{
    if (m_type != VarType::Array)
        return {};
    return static_cast<const ArrayBlock *>(m_shared)->elements;
}

std::span<Variant> Variant::mutableElements() { return arrayBlock().elements; }

void Variant::redim(std::int32_t newUpper)
{
    ArrayBlock &a = arrayBlock();
    if (a.bounds.size() != 1)
        throw VariantError("Only a one-dimensional array can be re-dimensioned");
    const std::int32_t count = newUpper - a.bounds[0].lower + 1;
    if (count < 0)
        throw VariantError("Invalid array bounds");
    a.bounds[0].count = count;
    a.elements.resize(static_cast<std::size_t>(count));
}

bool Variant::operator==(const Variant &other) const
{
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case VarType::Empty:
    case VarType::Null:
        return true;
    case VarType::Bool:
        return m_bool == other.m_bool;
    case VarType::Int16:
        return m_int16 == other.m_int16;
    case VarType::Int32:
        return m_int32 == other.m_int32;
    case VarType::Double:
    case VarType::Date:
        return m_double == other.m_double;
    case VarType::WideText:
    case VarType::ByteText:
        return textView() == other.textView();
    case VarType::Object:
        return m_object == other.m_object;
    case VarType::Array: {
        const auto &a = *static_cast<const ArrayBlock *>(m_shared);
        const auto &b = *static_cast<const ArrayBlock *>(other.m_shared);
        return a.bounds == b.bounds && a.elements == b.elements;
    }
    }
    return false;
}

std::string Variant::debugString() const
{
    switch (m_type) {
    case VarType::Empty:
        return "Empty";
    case VarType::Null:
        return "Null";
    case VarType::WideText:
        return "\"" + toString() + "\"";
    case VarType::ByteText:
        return "b\"" + toString() + "\"";
    case VarType::Date:
        return "Date(" + toString() + ")";
    case VarType::Object:
        return m_object ? "Object" : "Object(nil)";
    case VarType::Array: {
        std::ostringstream out;
        const auto &a = *static_cast<const ArrayBlock *>(m_shared);
        out << "Array<";
        for (std::size_t d = 0; d < a.bounds.size(); ++d)
            out << (d ? "," : "") << a.bounds[d].lower << ".." << a.bounds[d].upper();
        out << ">[";
        for (std::size_t i = 0; i < a.elements.size(); ++i)
            out << (i ? ", " : "") << a.elements[i].debugString();
        out << "]";
        return out.str();
    }
    default:
        return toString();
    }
}

const char *varTypeName(VarType type)
{
    switch (type) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Int16: return "Smallint";
    case VarType::Int32: return "Integer";
    case VarType::Double: return "Double";
    case VarType::Date: return "Date";
    case VarType::WideText: return "OleStr";
    case VarType::Object: return "Dispatch";
    case VarType::Bool: return "Boolean";
    case VarType::ByteText: return "String";
    case VarType::Array: return "Array";
    }
    return "Unknown";
}

} // namespace ktr
