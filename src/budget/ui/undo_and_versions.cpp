#include "budget/ui/undo_and_versions.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>

#include "budget/core/budget_texts.h"
#include "budget/core/version_texts.h"
#include "budget/core/year_file.h"
#include "budget/core/year_versions.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/budget_undo.h"
#include "budget/ui/versions_dialog.h"
#include "common/core/safe_write.h"
#include "common/ui/app_context.h"

namespace coinwell::budget {

namespace {

// The restore of a version chosen in Versions1: the unsaved-changes question, then the year file
// replaced by the version (the file it replaces kept as a version too) and the screen set up as
// after a restore. False when nothing was restored.
bool restoreVersion(BudgetScreen& screen, const ReadVersion& version) {
    Desktop& desktop = screen.context().desktop;
    const std::string year = screen.selectedYear();
    if (screen.unsavedChanges()) {
        desktop.endBusy();
        const Answer answer = desktop.message(saveBeforeRestoreQuestion(year));
        if (answer == Answer::Cancel || (answer == Answer::Yes && !screen.saveYear())) {
            return false;
        }
    }
    std::error_code error;
    const bool restored = screen.replaceYearFile(
        year, [&] { return writeFileSafely(yearFileName(year), version.bytes, error); });
    if (!restored) {
        desktop.endBusy();
        desktop.message(saveFailedMessage(year, plainFileError(error)));
        return false;
    }
    screen.setUpAfterRestore();
    return true;
}

void openVersions(BudgetScreen& screen) {
    screen.commitOpenEntry();
    const std::string year = screen.selectedYear();
    VersionsDialog dialog(year, readListedVersions(kVersionsFolder, year), &screen);
    dialog.setRestore(
        [&screen](const ReadVersion& version) { return restoreVersion(screen, version); });
    screen.context().desktop.endBusy();
    dialog.exec();
}

}  // namespace

DateTime localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

void attachUndoAndVersions(BudgetScreen& screen, VersionClock clock) {
    new BudgetUndo(screen);

    screen.hooks().replaceYearFile = [clock](BudgetScreen& s, const std::string& year,
                                             const std::function<bool()>& write) {
        const VersionedReplace result =
            replaceKeepingVersion(kVersionsFolder, yearFileName(year), year, clock(), write);
        if (result.versionFailure) {
            s.context().desktop.endBusy();
            s.context().desktop.message(versionNotKeptMessage(year, *result.versionFailure));
        }
        return result.replaced;
    };

    auto* mUV =
        new QAction(QStringLiteral("Restore an &Earlier Version of Selected Year"), &screen);
    mUV->setObjectName(QStringLiteral("mUV"));
    QMenu* utilities = screen.utilitiesMenu();
    const QList<QAction*> items = utilities->actions();
    utilities->insertAction(items.value(items.indexOf(screen.restoreYearAction()) + 1), mUV);
    QObject::connect(mUV, &QAction::triggered, &screen, [&screen] { openVersions(screen); });
}

}  // namespace coinwell::budget
