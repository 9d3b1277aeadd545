#include "backup/ui/backup_dialog.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "backup/core/backup_files.h"
#include "backup/core/backup_texts.h"
#include "common/core/shared_routines.h"
#include "common/ui/accessible_names.h"
#include "common/ui/app_context.h"
#include "common/ui/colors.h"
#include "common/ui/drive_list.h"
#include "common/ui/folder_list.h"
#include "common/ui/qt_text.h"
#include "common/ui/screen_activation.h"
#include "common/ui/twips.h"
#include "shell/core/frame_rules.h"
#include "shell/core/help_topics.h"
#include "shell/ui/pictures.h"
#include "shell/ui/tool_screen.h"

namespace coinwell::backup {

namespace {

// The form as designed, in twips: the area below the menu bar, and the controls on the frame
// panel SSPanel1.
constexpr int kFormWidth = 7860;
constexpr int kFormHeight = 6060;
constexpr QRect kFramePanel{180, 180, 7500, 5700};
constexpr int kInstructionsLeft = 180;
constexpr int kInstructionsTop = 240;
constexpr int kRestoreInstructionsTop = 60;
constexpr int kInstructionsWidth = 7140;
constexpr int kInstructionsBottom = 1860;
constexpr QRect kDrivesTitle{180, 1920, 1500, 240};
constexpr QRect kDrives{180, 2160, 3360, 330};
constexpr QRect kFoldersTitle{180, 2580, 1500, 240};
constexpr QRect kFolders{180, 2820, 3360, 2700};
constexpr int kRightColumn = 3720;
constexpr int kRightColumnWidth = 3600;
constexpr int kPathTop = 1920;
constexpr int kPathHeight = 780;
constexpr int kPathGap = 30;  // Label5 stands this far right of Label4
constexpr QRect kActionButton{kRightColumn, 2820, kRightColumnWidth, 480};
constexpr QRect kExitButton{kRightColumn, 3420, kRightColumnWidth, 480};
// The status panel reaches a little past the column on both sides, so that its longest text
// ("Making 2011 Budget Backup Disk #1") shows whole in the fonts a plain system has.
constexpr int kStatusOverhang = 120;
constexpr QRect kStatusPanel{kRightColumn - kStatusOverhang, 4080,
                             kRightColumnWidth + 2 * kStatusOverhang, 480};
constexpr QRect kProgressBar{kRightColumn, 4680, kRightColumnWidth, 300};
constexpr QRect kNote{kRightColumn, 5100, kRightColumnWidth, 420};
// The dialog stands this much below the middle of the main screen.
constexpr int kBelowMiddle = 415;
constexpr int kProgressMaximum = 1000;
// The progress bar is painted at most this often while it runs.
constexpr std::chrono::milliseconds kProgressPaintInterval{15};

QRect pixels(const QRect& twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

// A caption with an access key ("&Make") as a label shows it: the key letter underlined, blanks
// and line breaks kept.
QString captionAsRichText(const std::string& caption) {
    QString html = QStringLiteral("<p style=\"white-space:pre-wrap\">");
    const QString text = toQString(caption);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('&') && i + 1 < text.size()) {
            const QChar next = text[++i];
            html += next == QLatin1Char('&')
                        ? QStringLiteral("&amp;")
                        : QStringLiteral("<u>") + QString(next).toHtmlEscaped() +
                              QStringLiteral("</u>");
        } else if (c == QLatin1Char('\r')) {
            html += QLatin1Char('\n');
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html + QStringLiteral("</p>");
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& twips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(pixels(twips));
    return label;
}

}  // namespace

Backup1::Backup1(AppContext& context, QWidget* mainScreen, const BackupRequest& request,
                 QWidget* parent)
    : QDialog(parent ? parent : mainScreen),
      context_(context),
      mainScreen_(mainScreen),
      request_(request) {
    setObjectName(QStringLiteral("Backup1"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    // Coming back from this dialog is a real activation of the Home Budget underneath.
    markAsProgramScreen(this);
    std::error_code error;
    programFolder_ = std::filesystem::current_path(error);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    buildMenu(bar);

    form_ = new BackgroundArea(this);
    form_->setObjectName(QStringLiteral("Backup1Form"));
    form_->setFixedSize(twipsToPixels(kFormWidth), twipsToPixels(kFormHeight));
    layout->addWidget(form_);

    buildControls();
    nameControlsByCaptions(form_);
    applyBackground();

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { context_.desktop.showHelpTopic(kHelpBackupRestore); });

    // Load: the caption, texts and menu of the mode.
    const int year = request_.year;
    setWindowTitle(toQString(dialogCaption(request_.mode, year)));
    instructions_->setText(captionAsRichText(instructionText(request_.mode, year)));
    action_->setText(toQString(actionButtonCaption(request_.mode, year)));
    if (request_.mode == BackupMode::Restore) {
        instructions_->move(instructions_->x(), twipsToPixels(kRestoreInstructionsTop));
        instructions_->resize(instructions_->width(),
                              twipsToPixels(kInstructionsBottom - kRestoreInstructionsTop));
        makeBackupItem_->setVisible(false);
    } else {
        restoreItem_->setVisible(false);
    }

    // The lists start at the program folder, where the action button stays disabled.
    const QString programFolder = toQString(programFolder_.string());
    drives_->showPlaceOf(programFolder);
    if (!folders_->setPath(programFolder, drives_->currentRoot())) {
        folders_->setPath(QStringLiteral("/"));
    }
    showPath(folders_->path());
    context_.desktop.processEvents();
}

Backup1::~Backup1() = default;

void Backup1::buildMenu(QMenuBar* bar) {
    optionsMenu_ = bar->addMenu(QString::fromLatin1(kOptionsMenuCaption));
    optionsMenu_->setObjectName(QStringLiteral("mO"));
    optionsMenu_->menuAction()->setObjectName(QStringLiteral("mO"));
    makeBackupItem_ = optionsMenu_->addAction(QString::fromLatin1(kMakeBackupMenuCaption));
    makeBackupItem_->setObjectName(QStringLiteral("mOM"));
    makeBackupItem_->setEnabled(false);
    connect(makeBackupItem_, &QAction::triggered, this, &Backup1::makeBackup);
    restoreItem_ = optionsMenu_->addAction(QString::fromLatin1(kRestoreMenuCaption));
    restoreItem_->setObjectName(QStringLiteral("mOR"));
    restoreItem_->setEnabled(false);
    connect(restoreItem_, &QAction::triggered, this, &Backup1::restoreYear);
    optionsMenu_->addSeparator()->setObjectName(QStringLiteral("mO1"));
    QAction* exitItem = optionsMenu_->addAction(QString::fromLatin1(kExitCaption));
    exitItem->setObjectName(QStringLiteral("mOE"));
    connect(exitItem, &QAction::triggered, this, &QDialog::reject);
}

void Backup1::buildControls() {
    picture_ = new QLabel(form_);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setScaledContents(true);
    picture_->hide();

    auto* frame = makePanel3D(form_, QStringLiteral("SSPanel1"));
    frame->setGeometry(pixels(kFramePanel));
    framePanel_ = frame;

    instructions_ = new QLabel(frame);
    instructions_->setObjectName(QStringLiteral("Label1"));
    instructions_->setTextFormat(Qt::RichText);
    instructions_->setTextInteractionFlags(Qt::NoTextInteraction);
    instructions_->setWordWrap(true);
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructions_->setGeometry(pixels(QRect(kInstructionsLeft, kInstructionsTop, kInstructionsWidth,
                                            kInstructionsBottom - kInstructionsTop)));

    makeLabel(frame, "Label2(1)", QString::fromLatin1(kDrivesCaption), kDrivesTitle);
    drives_ = new DriveList(frame);
    drives_->setObjectName(QStringLiteral("Drive1"));
    drives_->setGeometry(pixels(kDrives));
    connect(drives_, &DriveList::placeChosen, this, &Backup1::driveChanged);

    makeLabel(frame, "Label2(0)", QString::fromLatin1(kFoldersCaption), kFoldersTitle);
    folders_ = new FolderList(frame);
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setGeometry(pixels(kFolders));
    connect(folders_, &FolderList::pathChanged, this, &Backup1::folderChanged);

    pathCaption_ = new QLabel(QString::fromLatin1(kPathCaption), frame);
    pathCaption_->setObjectName(QStringLiteral("Label4"));
    pathCaption_->move(twipsToPixels(kRightColumn), twipsToPixels(kPathTop));
    pathCaption_->adjustSize();
    path_ = new QLabel(frame);
    path_->setObjectName(QStringLiteral("Label5"));
    path_->setTextFormat(Qt::PlainText);
    path_->setWordWrap(true);
    path_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    action_ = new QPushButton(frame);
    action_->setObjectName(QStringLiteral("SSCommand2"));
    action_->setGeometry(pixels(kActionButton));
    action_->setEnabled(false);
    connect(action_, &QPushButton::clicked, this, &Backup1::startFromActionButton);

    exit_ = new QPushButton(QString::fromLatin1(kExitCaption), frame);
    exit_->setObjectName(QStringLiteral("SSCommand1"));
    exit_->setGeometry(pixels(kExitButton));
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    status_ = new QLabel(frame);
    status_->setObjectName(QStringLiteral("SSPanel2"));
    status_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    status_->setLineWidth(2);
    status_->setAlignment(Qt::AlignCenter);
    status_->setAutoFillBackground(true);
    status_->setGeometry(pixels(kStatusPanel));
    status_->hide();

    progress_ = new QProgressBar(frame);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, kProgressMaximum);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setGeometry(pixels(kProgressBar));
    progress_->hide();

    // Other families' note; the budget never shows it.
    auto* note = makeLabel(frame, "Label7", QString(), kNote);
    note->setWordWrap(true);
    note->hide();
}

void Backup1::applyBackground() {
    // The dialog and its panels are designed in the face colour.
    const QColor design = defaultBackgroundColor();
    setPanelColor3D(framePanel_, design);
    setPanelColor3D(status_, design);
    form_->setColor(design);
    const shell::Background stored = shell::interpretBackground(context_.settings.screenBackground);
    if (stored.kind == shell::Background::Kind::Color) {
        form_->setColor(toQColor(stored.color));
    } else if (stored.kind == shell::Background::Kind::Wallpaper) {
        const QPixmap wallpaper = loadInstallationPicture(stored.pictureFile);
        if (!wallpaper.isNull()) {
            // The picture stands 60 twips in and stops a little short of the right and bottom.
            picture_->setPixmap(wallpaper);
            picture_->setGeometry(twipsToPixels(60), 0, form_->width() - twipsToPixels(95),
                                  form_->height() - twipsToPixels(35));
            picture_->lower();
            picture_->show();
        }
    }
}

void Backup1::placeOverMainScreen() {
    if (!mainScreen_) {
        return;
    }
    const QRect main = mainScreen_->frameGeometry();
    const QSize box = frameGeometry().size().expandedTo(size());
    QPoint place(main.left() + main.width() / 2 - box.width() / 2,
                 main.top() + main.height() / 2 - box.height() / 2 + twipsToPixels(kBelowMiddle));
    // Kept on the screen, so that its buttons can always be reached.
    if (QScreen* screen = mainScreen_->screen()) {
        const QRect available = screen->availableGeometry();
        place.setX(std::clamp(place.x(), available.left(),
                              std::max(available.left(), available.right() + 1 - box.width())));
        place.setY(std::clamp(place.y(), available.top(),
                              std::max(available.top(), available.bottom() + 1 - box.height())));
    }
    move(place);
}

void Backup1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeOverMainScreen();
}

void Backup1::mouseReleaseEvent(QMouseEvent* event) {
    // A right click on the dialog, its panels or labels brings up the Options menu.
    if (event->button() == Qt::RightButton) {
        optionsMenu_->popup(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void Backup1::showPath(const QString& path) {
    path_->setText(path);
    const int left = pathCaption_->geometry().right() + 1 + twipsToPixels(kPathGap);
    path_->setGeometry(left, twipsToPixels(kPathTop),
                       twipsToPixels(kRightColumn + kRightColumnWidth) - left,
                       twipsToPixels(kPathHeight));
}

bool Backup1::isProgramFolder(const QString& folder) const {
    return backup::isProgramFolder(folder.toStdString(), programFolder_.string());
}

void Backup1::driveChanged(const QString& root) {
    if (!folders_->setPath(root, root)) {
        context_.desktop.endBusy();
        context_.desktop.message(driveUnavailableMessage());
        returnToProgramFolder();
        action_->setEnabled(false);
        return;
    }
    action_->setEnabled(!restoreDone_ && !isProgramFolder(folders_->path()));
    showPath(folders_->path());
    if (request_.mode == BackupMode::Restore) {
        restoreItem_->setEnabled(!restoreDone_);
    } else {
        makeBackupItem_->setEnabled(true);
    }
}

void Backup1::returnToProgramFolder() {
    // As if the program folder's place had been chosen: its lists, path and menu item.
    const QString programFolder = toQString(programFolder_.string());
    drives_->showPlaceOf(programFolder);
    if (folders_->setPath(programFolder, drives_->currentRoot())) {
        showPath(folders_->path());
    }
    if (request_.mode == BackupMode::Restore) {
        restoreItem_->setEnabled(!restoreDone_);
    } else {
        makeBackupItem_->setEnabled(true);
    }
}

void Backup1::folderChanged(const QString& path) {
    showPath(path);
    action_->setEnabled(!restoreDone_ && !isProgramFolder(path));
}

BackupJob Backup1::job() const {
    const std::string folder = withTrailingSeparator(folders_->path().toStdString());
    return {request_.year, programFolder_ / yearFileName(request_.year),
            std::filesystem::path(folder + backupFileName(request_.year)),
            path_->text().toStdString(), request_.replaceYearFile};
}

void Backup1::startFromActionButton() {
    runOperation(request_.mode);
}

void Backup1::makeBackup() {
    runOperation(BackupMode::Backup);
}

void Backup1::restoreYear() {
    runOperation(BackupMode::Restore);
}

void Backup1::runOperation(BackupMode operation) {
    // Events run during an operation; a second click meanwhile starts nothing.
    if (operationRunning_) {
        return;
    }
    operationRunning_ = true;
    const BackupJob current = job();
    if (operation == BackupMode::Restore) {
        if (restoreBudgetYear(context_.desktop, *this, current) == BackupOutcome::Completed) {
            restoreDone_ = true;
            action_->setEnabled(false);
            restoreItem_->setEnabled(false);
        }
    } else {
        SecondsClock& clock = pacing_.clock ? *pacing_.clock : systemSecondsClock();
        makeBudgetBackup(context_.desktop, *this, clock, current);
    }
    operationRunning_ = false;
}

void Backup1::showStatus(const std::string& caption) {
    status_->setText(toQString(caption));
    status_->show();
}

void Backup1::setStatusCaption(const std::string& caption) {
    status_->setText(toQString(caption));
}

void Backup1::runProgressAnimation() {
    progress_->setMaximum(kProgressMaximum);
    progress_->show();
    context_.desktop.processEvents();
    // Nothing else runs meanwhile: the bar is painted directly.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point painted = start;
    for (int step = 1; step <= kProgressMaximum; ++step) {
        progress_->setValue(step);
        const Clock::time_point now = Clock::now();
        if (now - painted >= kProgressPaintInterval || step == kProgressMaximum) {
            progress_->repaint();
            painted = now;
        }
        std::this_thread::sleep_until(start + pacing_.animation * step / kProgressMaximum);
    }
    progress_->reset();
    context_.desktop.processEvents();
    progress_->hide();
}

void Backup1::hideProgress() {
    progress_->hide();
}

void Backup1::done(int result) {
    if (operationRunning_) {
        return;
    }
    // Unloading: the current folder is the program folder again.
    std::error_code error;
    std::filesystem::current_path(programFolder_, error);
    QDialog::done(result);
}

void runBackupDialog(AppContext& context, QWidget* mainScreen, const BackupRequest& request,
                     QWidget* owner) {
    if (!isBudgetFamily(request.family)) {
        return;
    }
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    Backup1 dialog(context, mainScreen, request, owner);
    dialog.exec();
}

}  // namespace coinwell::backup
