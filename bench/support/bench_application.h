// What the screen benchmarks share: one application for the whole run (offscreen unless the
// caller chose a platform) and a program folder of their own made current.

#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace coinwell::bench {

// Creates the run's QApplication on the first call; every widget needs it first.
void ensureApplication();

// An empty temporary program folder, current while the object lives.
class ScratchFolder {
  public:
    ScratchFolder() { QDir::setCurrent(dir_.path()); }
    ~ScratchFolder() { QDir::setCurrent(previous_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    QString path() const { return dir_.path(); }

  private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir dir_;
};

}  // namespace coinwell::bench
