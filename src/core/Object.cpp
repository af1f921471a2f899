#include "Object.h"

#include <vector>

namespace ktr {

Object::~Object() = default;

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool sameTextAscii(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && asciiLower(a) == asciiLower(b);
}

Variant ObjectRef::call(std::string_view method, std::span<Variant> args) const
{
    if (!m_object)
        throw DispatchError("Call of " + std::string(method) + " on an unassigned object");
    return m_object->invoke(method, InvokeKind::Method, args);
}

Variant ObjectRef::call(std::string_view method, std::initializer_list<Variant> args) const
{
    std::vector<Variant> copy(args);
    return call(method, std::span<Variant>(copy));
}

Variant ObjectRef::get(std::string_view property) const
{
    if (!m_object)
        throw DispatchError("Read of " + std::string(property) + " on an unassigned object");
    return m_object->invoke(property, InvokeKind::PropertyGet, {});
}

void ObjectRef::put(std::string_view property, const Variant &value) const
{
    if (!m_object)
        throw DispatchError("Write of " + std::string(property) + " on an unassigned object");
    Variant arg = value;
    m_object->invoke(property, InvokeKind::PropertyPut, std::span<Variant>(&arg, 1));
}

ObjectRef objectOf(const Variant &value)
{
    if (value.type() != VarType::Object)
        return {};
    return ObjectRef(value.toObject());
}

Variant DispatchObject::invoke(std::string_view name, InvokeKind kind, std::span<Variant> args)
{
    const auto it = m_members.find(asciiLower(name));
    if (it == m_members.end())
        throw DispatchError("Unknown name: " + std::string(name));
    const Member &m = it->second;
    switch (kind) {
    case InvokeKind::Method:
        // A property read may be written as a call without arguments, as automation allows.
        if (m.method)
            return m.method(args);
        if (m.getter && args.empty())
            return m.getter();
        break;
    case InvokeKind::PropertyGet:
        if (m.getter)
            return m.getter();
        if (m.method)
            return m.method(args);
        break;
    case InvokeKind::PropertyPut:
        if (m.setter && !args.empty()) {
            m.setter(args.back());
            return {};
        }
        break;
    }
    throw DispatchError("Member not found: " + std::string(name));
}

void DispatchObject::addMethod(std::string_view name, Method method)
{
    m_members[asciiLower(name)].method = std::move(method);
}

void DispatchObject::addProperty(std::string_view name, Getter getter, Setter setter)
{
    Member &m = m_members[asciiLower(name)];
    m.getter = std::move(getter);
    m.setter = std::move(setter);
}

const Variant &DispatchObject::argument(std::span<Variant> args, std::size_t index,
                                        std::string_view member)
{
    if (index >= args.size())
        throw DispatchError("Invalid number of parameters for " + std::string(member));
    return args[index];
}

} // namespace ktr
