#pragma once

#include <QString>

namespace renkalo {

// The title the task bar shows and the standard error box carries: the executable's
// file name without its folder, cut at its first full stop, every letter after the
// first in lower case.
QString applicationTitleFromPath(const QString &executablePath);
// The title of the running program (empty before the application object exists).
QString applicationTitle();

} // namespace renkalo
