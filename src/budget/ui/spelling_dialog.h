#pragma once
// The spelling dialog of the Home Budget's spelling check ("SpellingDialog"): a doubtful word
// in its item name, the suggestions, and Ignore, Ignore All, Change, Change All, Add, Cancel and
// Help. Shown modally for each doubtful word through DialogSpellingQuestions.

#include <QDialog>
#include <QPointer>
#include <QRect>

#include <functional>

#include "budget/core/spelling_check.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace coinwell {
class Desktop;
}

namespace coinwell::budget {

class SpellingDialog : public QDialog {
    Q_OBJECT
  public:
    SpellingDialog(Desktop& desktop, QWidget* parent = nullptr);

    // Shows the word (the dialog is then shown or exec'd by the caller); the decision starts as
    // Cancel, what closing the dialog any other way means.
    void present(const DoubtfulWord& word);
    const SpellingDecision& decision() const { return decision_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void decide(SpellingAction action);
    void changeToEdited(const QString& text);
    void suggestionChosen();

    Desktop& desktop_;
    DoubtfulWord doubtful_;
    SpellingDecision decision_;

    QLabel* word_ = nullptr;  // the doubtful word
    QLabel* contextCaption_ = nullptr;
    QLabel* context_ = nullptr;  // its item name, the word marked
    QLineEdit* changeTo_ = nullptr;
    QListWidget* suggestions_ = nullptr;
    QPushButton* ignore_ = nullptr;
    QPushButton* ignoreAll_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* changeAll_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};

// The questions of a check put through one dialog, shown modally over parent for each word.
// Given where an item row stands on the screen, the dialog keeps clear of the row it asks
// about, so that the user sees the name in the grid too.
class DialogSpellingQuestions : public SpellingQuestions {
  public:
    using RowArea = std::function<QRect(int row)>;  // in global coordinates
    DialogSpellingQuestions(Desktop& desktop, QWidget* parent, RowArea rowArea = {});
    ~DialogSpellingQuestions() override;

    SpellingDecision ask(const DoubtfulWord& word) override;

  private:
    void placeClearOf(const QRect& row);

    QPointer<SpellingDialog> dialog_;
    QWidget* parent_;
    RowArea rowArea_;
};

}  // namespace coinwell::budget
