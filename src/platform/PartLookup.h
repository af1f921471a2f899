#pragma once

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <typeinfo>
#include <unordered_map>

namespace ktr::platform::detail {

// The Part base (the component or control part) of a QObject, as dynamic_cast finds it, with
// one dynamic_cast per dynamic type instead of one per call: the distance from the QObject
// base to the Part base is the same in every object of one type. The dynamic type is the
// one dynamic_cast sees, so an object still being built or already being destroyed is
// classed as the constructor or destructor running decides, as dynamic_cast classes it.
// Each thread keeps its own table.
template <class Part>
Part *partOf(const QObject *object)
{
    if (!object)
        return nullptr;
    constexpr std::ptrdiff_t kNoPart = PTRDIFF_MIN;
    thread_local std::unordered_map<const std::type_info *, std::ptrdiff_t> distances;
    auto *bytes = reinterpret_cast<char *>(const_cast<QObject *>(object));
    const std::type_info *type = &typeid(*object);
    auto it = distances.find(type);
    if (it == distances.end()) {
        Part *part = dynamic_cast<Part *>(const_cast<QObject *>(object));
        const std::ptrdiff_t distance = part ? reinterpret_cast<char *>(part) - bytes : kNoPart;
        it = distances.emplace(type, distance).first;
    }
    return it->second == kNoPart ? nullptr : reinterpret_cast<Part *>(bytes + it->second);
}

} // namespace ktr::platform::detail
