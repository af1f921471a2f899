#pragma once

#include "Object.h"
#include "ktrcore_global.h"

#include <functional>
#include <string>
#include <string_view>

namespace ktr {

// Creates late-bound objects from class names ("HarrowWorkCenter.Manager", ...), as the
// platform's automation class registration does. Libraries register their factories when
// they are loaded; a class map file can name the library that provides a class, which
// createObject then loads (and keeps loaded) on first use.
//
// Class map file: INI text, section [Classes], lines "<class name>=<library path>"; a
// relative path is taken from the folder of the map file. The file is the one named by the
// environment variable KTR_CLASS_MAP, else "classes.ini" beside libktrcore.
class KTRCORE_EXPORT ClassRegistry {
public:
    using Factory = std::function<ObjectRef()>;

    static ClassRegistry &instance();

    // Registers (or replaces) the factory of a class; names compare without case.
    void registerClass(std::string_view className, Factory factory);
    void unregisterClass(std::string_view className);
    bool isRegistered(std::string_view className) const;

    // A new object of the class; raises DispatchError("Invalid class string: <name>")
    // when no factory and no library provides it. The caller owns the returned reference.
    ObjectRef createObject(std::string_view className);

private:
    ClassRegistry() = default;
    struct Impl;
    Impl &impl() const;
};

// Registers a class at library load: `static ktr::ClassRegistration reg("X.Y", factory);`
struct KTRCORE_EXPORT ClassRegistration {
    ClassRegistration(std::string_view className, ClassRegistry::Factory factory);
};

// Shorthand for ClassRegistry::instance().createObject(name).
KTRCORE_EXPORT ObjectRef createOleObject(std::string_view className);

} // namespace ktr
