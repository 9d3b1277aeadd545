#pragma once
// Versions1, "Earlier Versions of 2012": the earlier versions of a year, newest first, each with
// its year totals; beside the list the selected version's first items and totals, so the user
// sees what a restore brings back; "&Restore" and "&Close".

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "budget/core/year_versions.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace coinwell::budget {

// A version as listed: its file and time, and its content when it could be read.
struct ListedVersion {
    YearVersion version;
    std::optional<ReadVersion> content;
};
std::vector<ListedVersion> readListedVersions(const std::filesystem::path& folder,
                                              std::string_view year);

class VersionsDialog : public QDialog {
    Q_OBJECT
  public:
    VersionsDialog(const std::string& year, std::vector<ListedVersion> versions,
                   QWidget* parent = nullptr);

    // Restore with a version chosen: true when it was restored (the dialog then closes).
    void setRestore(std::function<bool(const ReadVersion&)> restore) {
        restore_ = std::move(restore);
    }

    QListWidget* list() const { return list_; }
    QPlainTextEdit* preview() const { return preview_; }
    QPushButton* restoreButton() const { return restoreButton_; }
    QPushButton* closeButton() const { return closeButton_; }

  private:
    void selectionChanged();
    void restoreSelected();
    const ListedVersion* selected() const;

    std::vector<ListedVersion> versions_;
    std::function<bool(const ReadVersion&)> restore_;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace coinwell::budget
