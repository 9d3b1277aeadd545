#include "common/ui/display_state.h"

#include <QWidget>

#include "common/core/shared_routines.h"
#include "common/ui/twips.h"

namespace coinwell {

void saveDisplayState(QWidget& mainWindow, RunSettings& settings) {
    // Sizes count the whole window, frame and caption included.
    const QRect frame = mainWindow.frameGeometry();
    const QSize frameExtra = frame.size() - mainWindow.size();
    MainWindowState window;
    window.normal =
        !(mainWindow.isMaximized() || mainWindow.isMinimized() || mainWindow.isFullScreen());
    window.height = pixelsToTwips(frame.height());
    window.width = pixelsToTwips(frame.width());
    const MainWindowState result = saveDisplayState(settings, window);
    if (window.normal && (result.height != window.height || result.width != window.width)) {
        mainWindow.resize(twipsToPixels(result.width) - frameExtra.width(),
                          twipsToPixels(result.height) - frameExtra.height());
    }
}

}  // namespace coinwell
