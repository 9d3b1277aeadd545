#pragma once
// Where the help pages and the pictures of the About box and the start-up screen are found: the
// program folder (the current folder), then the share folder named by COINWELL_SHARE_DIR, then
// the share folder beside the installed program (<prefix>/bin/../share/coinwell).

#include <QString>

namespace coinwell {

// The full path of an installation file given relative to the share folder ("help/index.html",
// "Splash.png"); empty when it is nowhere.
QString findInstalledFile(const QString& relativePath);

}  // namespace coinwell
