#pragma once
// The core's extended type as a QtTest column type.

#include <QMetaType>

#include "calc/extended.h"

Q_DECLARE_METATYPE(tarsilo::Extended)
