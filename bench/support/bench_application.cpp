#include "support/bench_application.h"

#include <QApplication>

namespace coinwell::bench {

void ensureApplication() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
        static int argc = 1;
        static char name[] = "coinwell_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

}  // namespace coinwell::bench
