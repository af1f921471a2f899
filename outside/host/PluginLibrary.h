#pragma once

#include "DLLBaseCtrller.h"

#include <QString>

#include <memory>

// A job plug-in loaded with dlopen; unloaded when the object goes.
class PluginLibrary {
public:
    // Raises std::runtime_error with the loader's message when the library cannot be loaded
    // or has no GetController export.
    explicit PluginLibrary(const QString &path);

    // A new controller; the caller owns it (unique_ptr deletes it through its virtual
    // destructor, inside the plug-in).
    std::unique_ptr<TDLLBaseController> createController() const;

private:
    struct Closer {
        void operator()(void *handle) const;
    };
    std::unique_ptr<void, Closer> m_handle;
    GetControllerFunction m_getController = nullptr;
};
