#include "ClassRegistry.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace ktr {

namespace {

struct LibraryCloser {
    void operator()(void *handle) const
    {
        if (handle)
            dlclose(handle);
    }
};
using LibraryHandle = std::unique_ptr<void, LibraryCloser>;

std::string trim(std::string s)
{
    const auto notBlank = [](unsigned char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; };
    while (!s.empty() && !notBlank(s.back()))
        s.pop_back();
    std::size_t b = 0;
    while (b < s.size() && !notBlank(s[b]))
        ++b;
    return s.substr(b);
}

std::filesystem::path coreLibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&coreLibraryFolder), &info) && info.dli_fname)
        return std::filesystem::path(info.dli_fname).parent_path();
    return {};
}

std::filesystem::path classMapPath()
{
    if (const char *env = std::getenv("KTR_CLASS_MAP"); env && *env)
        return env;
    return coreLibraryFolder() / "classes.ini";
}

// Looks the class up in the [Classes] section of the class map file.
std::filesystem::path libraryForClass(const std::string &lowerName)
{
    const std::filesystem::path mapPath = classMapPath();
    std::ifstream in(mapPath);
    if (!in)
        return {};
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            inSection = sameTextAscii(trim(line.substr(1, line.find(']') - 1)), "Classes");
            continue;
        }
        const auto eq = line.find('=');
        if (!inSection || eq == std::string::npos)
            continue;
        if (asciiLower(trim(line.substr(0, eq))) != lowerName)
            continue;
        std::filesystem::path lib = trim(line.substr(eq + 1));
        if (lib.is_relative())
            lib = mapPath.parent_path() / lib;
        return lib;
    }
    return {};
}

} // namespace

// The libraries are declared first so that they are closed last: the factories they
// registered must be destroyed while their code is still loaded.
struct ClassRegistry::Impl {
    std::vector<LibraryHandle> libraries;     // kept loaded until the registry goes
    std::mutex mutex;
    std::map<std::string, Factory> factories; // keys in lower case
};

ClassRegistry &ClassRegistry::instance()
{
    static ClassRegistry registry;
    return registry;
}

ClassRegistry::Impl &ClassRegistry::impl() const
{
    static Impl state;
    return state;
}

void ClassRegistry::registerClass(std::string_view className, Factory factory)
{
    std::lock_guard lock(impl().mutex);
    impl().factories[asciiLower(className)] = std::move(factory);
}

void ClassRegistry::unregisterClass(std::string_view className)
{
    std::lock_guard lock(impl().mutex);
    impl().factories.erase(asciiLower(className));
}

bool ClassRegistry::isRegistered(std::string_view className) const
{
    std::lock_guard lock(impl().mutex);
    return impl().factories.count(asciiLower(className)) != 0;
}

ObjectRef ClassRegistry::createObject(std::string_view className)
{
    const std::string key = asciiLower(className);
    Factory factory;
    {
        std::lock_guard lock(impl().mutex);
        if (auto it = impl().factories.find(key); it != impl().factories.end())
            factory = it->second;
    }
    if (!factory) {
        // Loading the library runs its registrations; the lock is not held meanwhile.
        const std::filesystem::path lib = libraryForClass(key);
        if (!lib.empty()) {
            LibraryHandle handle(dlopen(lib.c_str(), RTLD_NOW | RTLD_LOCAL));
            if (!handle)
                throw DispatchError("Cannot load the library of class " + std::string(className) +
                                    ": " + dlerror());
            std::lock_guard lock(impl().mutex);
            impl().libraries.push_back(std::move(handle));
            if (auto it = impl().factories.find(key); it != impl().factories.end())
                factory = it->second;
        }
    }
    if (!factory)
        throw DispatchError("Invalid class string: " + std::string(className));
    ObjectRef object = factory();
    if (!object)
        throw DispatchError("Class " + std::string(className) + " could not create an object");
    return object;
}

ClassRegistration::ClassRegistration(std::string_view className, ClassRegistry::Factory factory)
{
    ClassRegistry::instance().registerClass(className, std::move(factory));
}

ObjectRef createOleObject(std::string_view className)
{
    return ClassRegistry::instance().createObject(className);
}

} // namespace ktr
