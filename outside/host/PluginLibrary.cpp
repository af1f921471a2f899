#include "PluginLibrary.h"

#include <dlfcn.h>

#include <stdexcept>

void PluginLibrary::Closer::operator()(void *handle) const
{
    if (handle)
        dlclose(handle);
}

PluginLibrary::PluginLibrary(const QString &path)
    : m_handle(dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL))
{
    if (!m_handle)
        throw std::runtime_error(std::string("Cannot load the plug-in: ") + dlerror());
    m_getController = reinterpret_cast<GetControllerFunction>(dlsym(m_handle.get(), "GetController"));
    if (!m_getController)
        throw std::runtime_error("The library " + path.toStdString() + " has no GetController export");
}

std::unique_ptr<TDLLBaseController> PluginLibrary::createController() const
{
    return std::unique_ptr<TDLLBaseController>(m_getController());
}
