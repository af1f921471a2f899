#pragma once

#include <QtCore/qglobal.h>

#if defined(KTRGLYPHS_LIBRARY)
#define KTRGLYPHS_EXPORT Q_DECL_EXPORT
#else
#define KTRGLYPHS_EXPORT Q_DECL_IMPORT
#endif
