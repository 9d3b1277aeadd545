#include "budget/ui/versions_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "budget/core/version_texts.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

// The items the preview lists before the year totals.
constexpr int kPreviewItems = 8;

}  // namespace

std::vector<ListedVersion> readListedVersions(const std::filesystem::path& folder,
                                              std::string_view year) {
    std::vector<ListedVersion> listed;
    for (YearVersion& version : listVersions(folder, year)) {
        std::optional<ReadVersion> content = readVersion(version.file);
        listed.push_back({std::move(version), std::move(content)});
    }
    return listed;
}

VersionsDialog::VersionsDialog(const std::string& year, std::vector<ListedVersion> versions,
                               QWidget* parent)
    : QDialog(parent), versions_(std::move(versions)) {
    setObjectName(QStringLiteral("Versions1"));
    setWindowTitle(toQString(versionsCaption(year)));
    setModal(true);

    auto* listCaption = new QLabel(QStringLiteral("&Versions:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstVersions"));
    listCaption->setBuddy(list_);
    list_->setAccessibleName(QStringLiteral("Earlier versions"));
    auto* previewCaption = new QLabel(QStringLiteral("Selected version Selected &version holds:holds:"), this);
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("txtVersionPreview"));
    preview_->setReadOnly(true);
    preview_->setTabStopDistance(150);
    previewCaption->setBuddy(preview_);
    preview_->setAccessibleName(QStringLiteral("Selected version holds"));
    restoreButton_ = new QPushButton(QStringLiteral("&Restore"), this);
    restoreButton_->setObjectName(QStringLiteral("cmdVersionRestore"));
    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdVersionClose"));

    auto* left = new QVBoxLayout;
    left->addWidget(listCaption);
    left->addWidget(list_);
    auto* right = new QVBoxLayout;
    right->addWidget(previewCaption);
    right->addWidget(preview_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restoreButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    setTabOrder(list_, preview_);
    setTabOrder(preview_, restoreButton_);
    setTabOrder(restoreButton_, closeButton_);
    resize(720, 340);

    if (versions_.empty()) {
        list_->addItem(toQString(noVersionsLine(year)));
    }
    for (const ListedVersion& listed : versions_) {
        const std::optional<BudgetYear> content =
            listed.content ? std::optional<BudgetYear>(listed.content->year) : std::nullopt;
        list_->addItem(toQString(versionLine(listed.version.when, content)));
    }
    connect(list_, &QListWidget::currentRowChanged, this, &VersionsDialog::selectionChanged);
    connect(restoreButton_, &QPushButton::clicked, this, &VersionsDialog::restoreSelected);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    list_->setCurrentRow(0);
    selectionChanged();
    list_->setFocus();
}

const ListedVersion* VersionsDialog::selected() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(versions_.size())) {
        return nullptr;
    }
    return &versions_[static_cast<std::size_t>(row)];
}

void VersionsDialog::selectionChanged() {
    const ListedVersion* version = selected();
    const bool readable = version && version->content;
    restoreButton_->setEnabled(readable);
    preview_->setPlainText(
        readable ? toQString(versionPreview(version->content->year, kPreviewItems)) : QString());
}

void VersionsDialog::restoreSelected() {
    const ListedVersion* version = selected();
    if (version && version->content && restore_ && restore_(*version->content)) {
        accept();
    }
}

}  // namespace coinwell::budget
