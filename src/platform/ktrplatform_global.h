#pragma once

#include <QtCore/qglobal.h>

#if defined(KTRPLATFORM_LIBRARY)
#define KTRPLATFORM_EXPORT Q_DECL_EXPORT
#else
#define KTRPLATFORM_EXPORT Q_DECL_IMPORT
#endif
