#pragma once

#include <QString>

namespace tarsilo {

// The application title made from the executable's path: the file name, cut
// at its first '.', with every character after the first in lower case (the
// first one is kept as it is).
QString ApplicationTitleFromPath(const QString& executablePath);

} // namespace tarsilo
