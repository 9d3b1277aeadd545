#pragma once
// Where the help pages and the pictures of the About box and the start-up screen are found: the
// installation files of the program (program folder, COINWELL_SHARE_DIR, the installed share
// folder), and last the share folder beside the program itself (<prefix>/bin/../share/coinwell),
// so that a moved installation still finds its help.

#include <QString>

namespace coinwell {

// The full path of an installation file given relative to the share folder ("help/index.html",
// "Splash.png"); empty when it is nowhere.
QString findInstalledFile(const QString& relativePath);

}  // namespace coinwell
