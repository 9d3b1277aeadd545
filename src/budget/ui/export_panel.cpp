#include "budget/ui/export_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include <ctime>
#include <filesystem>
#include <optional>

#include "budget/core/export_file.h"
#include "budget/core/export_texts.h"
#include "budget/ui/budget_screen.h"
#include "common/ui/drive_list.h"
#include "common/ui/folder_list.h"
#include "common/ui/qt_text.h"
#include "shell/ui/tool_screen.h"

namespace coinwell::budget {

namespace {

// The panel covers the entry area; the texts and buttons on the left, the lists on the right
// (pixels inside the panel).
constexpr int kLeftColumn = 14;
constexpr int kLeftWidth = 560;
constexpr int kRightColumn = 600;
constexpr int kRightWidth = 326;

// A carriage return alone does not break a label's line: it is drawn as a line feed.
QString shownText(std::string_view text) {
    QString shown = toQString(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QLabel* makeLabel(QWidget* parent, const QString& name, std::string_view text, QRect where) {
    auto* label = new QLabel(shownText(text), parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

}  // namespace

ExportPanel::ExportPanel(BudgetScreen& screen, QWidget* parent) : QFrame(parent), screen_(screen) {
    buildControls();
    hide();
}

void ExportPanel::buildControls() {
    setObjectName(QStringLiteral("SSPanel2"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    label100_ = makeLabel(this, QStringLiteral("Label100"), exportExplanation(""),
                          {kLeftColumn, 12, kLeftWidth, 72});
    label100_->setWordWrap(true);
    label100_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label101_ = makeLabel(this, QStringLiteral("Label101"), kExportNameCaption,
                          {kLeftColumn, 92, kLeftWidth, 20});
    text3_ = new QLineEdit(this);
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->setGeometry(kLeftColumn, 114, 320, 24);
    label102_ = makeLabel(this, QStringLiteral("Label102"), exportNotes(),
                          {kLeftColumn, 152, kLeftWidth, 108});
    label102_->setWordWrap(true);
    label102_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label21_ =
        makeLabel(this, QStringLiteral("Label21"), kExportPathCaption, {kLeftColumn, 270, 44, 20});
    label24_ = makeLabel(this, QStringLiteral("Label24"), "",
                         {kLeftColumn + 48, 270, kLeftWidth - 48, 20});
    label24_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    xlsxHint_ = makeLabel(this, QStringLiteral("lblXlsxHint"), kWorkbookHint,
                          {kLeftColumn, 300, kLeftWidth, 20});
    xlsxHint_->setAccessibleName(xlsxHint_->text());

    const QRect captions[3] = {{kRightColumn, 10, kRightWidth, 18},
                               {kRightColumn, 62, kRightWidth, 18},
                               {kRightColumn, 262, kRightWidth, 18}};
    for (int i = 0; i < 3; ++i) {
        makeLabel(this, QStringLiteral("Label22(%1)").arg(i), kExportListCaptions[i], captions[i]);
    }
    drive1_ = new DriveList(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setGeometry(kRightColumn, 30, kRightWidth, 24);
    dir1_ = new FolderList(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setGeometry(kRightColumn, 82, kRightWidth, 172);
    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(kRightColumn, 282, kRightWidth, 100);
    file1_->setSortingEnabled(false);

    ssCommand3_ = new QPushButton(toQString(kExportButtonCaption), this);
    ssCommand3_->setObjectName(QStringLiteral("SSCommand3"));
    ssCommand3_->setGeometry(kLeftColumn, 336, 270, 36);
    ssCommand4_ = new QPushButton(toQString(kExportCloseCaption), this);
    ssCommand4_->setObjectName(QStringLiteral("SSCommand4"));
    ssCommand4_->setGeometry(kLeftColumn + 290, 336, 130, 36);

    connect(drive1_, &DriveList::placeChosen, this, &ExportPanel::placeChosen);
    connect(dir1_, &FolderList::pathChanged, this, &ExportPanel::showFolder);
    connect(dir1_, &FolderList::folderUnavailable, this, &ExportPanel::folderUnavailable);
    connect(file1_, &QListWidget::itemClicked, this, &ExportPanel::fileChosen);
    connect(file1_, &QListWidget::currentItemChanged, this, [this] {
        if (!listing_) {
            fileChosen();
        }
    });
    connect(ssCommand3_, &QPushButton::clicked, this, &ExportPanel::exportYear);
    connect(ssCommand4_, &QPushButton::clicked, this, &ExportPanel::closePanel);
}

void ExportPanel::openPanel() {
    namedYear_ = screen_.selectedYear();
    text3_->setText(toQString(defaultExportName(namedYear_)));
    std::error_code error;
    const QString programFolder = toQString(std::filesystem::current_path(error).string());
    drive1_->refresh();
    if (!openFolder(programFolder)) {
        returnToHomeFolder();
    }
    // The explanation names the program folder as the panel opens.
    label100_->setText(shownText(exportExplanation(programFolder.toStdString())));
    label101_->setText(toQString(kExportNameCaption));
    label102_->setText(shownText(exportNotes()));
    show();
    raise();
    text3_->setFocus();
}

void ExportPanel::closePanel() {
    hide();
    screen_.grid()->setFocus();
}

bool ExportPanel::openFolder(const QString& folder) {
    drive1_->showPlaceOf(folder);
    if (!dir1_->setPath(folder, drive1_->currentRoot())) {
        return false;
    }
    showFolder(dir1_->path());
    return true;
}

void ExportPanel::placeChosen(const QString& root) {
    if (!FolderList::isReadableFolder(root)) {
        // A place that has gone (its medium taken out) or that cannot be listed.
        Desktop& desktop = screen_.context().desktop;
        desktop.endBusy();
        desktop.message(QFileInfo::exists(root) ? driveUnavailableMessage()
                                                : deviceUnavailableMessage());
        returnToHomeFolder();
        return;
    }
    dir1_->setPath(root, root);
    showFolder(dir1_->path());
}

void ExportPanel::folderUnavailable() {
    Desktop& desktop = screen_.context().desktop;
    desktop.endBusy();
    desktop.message(deviceUnavailableMessage());
}

void ExportPanel::returnToHomeFolder() {
    drive1_->refresh();
    if (!openFolder(QDir::homePath()) && !openFolder(QStringLiteral("/"))) {
        showFolder(dir1_->path());
    }
}

void ExportPanel::showFolder(const QString& folder) {
    folder_ = folder;
    label24_->setText(toQString(folderWithSeparator(folder.toStdString())));
    label100_->setText(shownText(exportExplanation(folder.toStdString())));
    listFiles();
}

void ExportPanel::listFiles() {
    listing_ = true;
    file1_->clear();
    if (!folder_.isEmpty()) {
        const QStringList names = QDir(folder_).entryList(
            {toQString(kExportFilePattern), toQString(kWorkbookFilePattern)}, QDir::Files,
            QDir::Name | QDir::IgnoreCase);
        file1_->addItems(names);
    }
    file1_->setCurrentItem(nullptr);
    listing_ = false;
}

void ExportPanel::fileChosen() {
    if (const QListWidgetItem* item = file1_->currentItem()) {
        text3_->setText(item->text().trimmed());
    }
}

void ExportPanel::yearLoaded() {
    // The year selector stays usable above the panel: a name still made for the year shown
    // before would have the new year written under the old year's name.
    const std::string year = screen_.selectedYear();
    if (!isVisible() || year == namedYear_) {
        return;
    }
    if (text3_->text().trimmed() == toQString(defaultExportName(namedYear_))) {
        text3_->setText(toQString(defaultExportName(year)));
    }
    namedYear_ = year;
}

void ExportPanel::exportYear() {
    Desktop& desktop = screen_.context().desktop;
    const std::string name = text3_->text().toStdString();
    const std::optional<ExportFormat> format = exportFormatOf(name);
    if (!format) {
        desktop.endBusy();
        desktop.message(exportNameMessage());
        return;
    }
    desktop.beginBusy();
    std::error_code error;
    const bool written =
        writeExport(exportTarget(folder_.toStdString(), name), *format, screen_.selectedYear(),
                    screen_.year(), std::time(nullptr), error);
    desktop.endBusy();
    if (!written) {
        // The panel stays open for another folder or name.
        desktop.message(exportFailedMessage());
        return;
    }
    listFiles();
    desktop.message(exportCompletedMessage());
}

}  // namespace coinwell::budget
