#include "budget/ui/spelling_dialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "budget/core/budget_texts.h"
#include "budget/core/spelling_texts.h"
#include "budget/core/year_file.h"
#include "common/core/text_trim.h"
#include "common/ui/desktop.h"
#include "common/ui/qt_text.h"
#include "shell/core/help_topics.h"

namespace coinwell::budget {

namespace {

constexpr const char* kChangeCaption = "&Change";
constexpr const char* kChangeAllCaption = "Change A&ll";
constexpr const char* kDeleteCaption = "&Delete";
constexpr const char* kDeleteAllCaption = "De&lete All";
constexpr const char* kNoSuggestions = "(no suggestions)";

}  // namespace

SpellingDialog::SpellingDialog(Desktop& desktop, QWidget* parent)
    : QDialog(parent), desktop_(desktop) {
    setObjectName(QStringLiteral("SpellingDialog"));
    setWindowTitle(toQString(kSpellingTitle));
    setModal(true);
    buildControls();
}

void SpellingDialog::buildControls() {
    auto label = [this](const char* name, const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };

    QLabel* wordCaption = label("lblNotInDictionary", QStringLiteral("Not in Dictionary:"));
    word_ = label("txtWord", QString());
    word_->setTextFormat(Qt::PlainText);
    QFont bold = word_->font();
    bold.setBold(true);
    word_->setFont(bold);
    contextCaption_ = label("lblContext", QString());
    context_ = label("txtContext", QString());
    context_->setTextFormat(Qt::RichText);
    context_->setFrameShape(QFrame::StyledPanel);
    context_->setFrameShadow(QFrame::Sunken);
    context_->setMinimumWidth(240);

    QLabel* changeCaption = label("lblChangeTo", QStringLiteral("Change &To:"));
    changeTo_ = new QLineEdit(this);
    changeTo_->setObjectName(QStringLiteral("txtChangeTo"));
    changeCaption->setBuddy(changeTo_);
    QLabel* suggestionsCaption = label("lblSuggestions", QStringLiteral("Suggestio&ns:"));
    suggestions_ = new QListWidget(this);
    suggestions_->setObjectName(QStringLiteral("lstSuggestions"));
    suggestionsCaption->setBuddy(suggestions_);

    ignore_ = button("cmdIgnore", QStringLiteral("&Ignore"));
    ignoreAll_ = button("cmdIgnoreAll", QStringLiteral("I&gnore All"));
    change_ = button("cmdChange", QLatin1String(kChangeCaption));
    changeAll_ = button("cmdChangeAll", QLatin1String(kChangeAllCaption));
    add_ = button("cmdAdd", QStringLiteral("&Add"));
    cancel_ = button("cmdCancel", QStringLiteral("Cancel"));
    help_ = button("cmdHelp", QStringLiteral("&Help"));
    change_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(wordCaption, 0, 0);
    grid->addWidget(word_, 0, 1);
    grid->addWidget(contextCaption_, 1, 0);
    grid->addWidget(context_, 1, 1);
    grid->addWidget(changeCaption, 2, 0);
    grid->addWidget(changeTo_, 2, 1);
    grid->addWidget(suggestionsCaption, 3, 0, Qt::AlignTop);
    grid->addWidget(suggestions_, 3, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ignore_, ignoreAll_, change_, changeAll_, add_, cancel_, help_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 4, 1);
    grid->setColumnStretch(1, 1);

    connect(ignore_, &QPushButton::clicked, this, [this] { decide(SpellingAction::Ignore); });
    connect(ignoreAll_, &QPushButton::clicked, this, [this] { decide(SpellingAction::IgnoreAll); });
    connect(change_, &QPushButton::clicked, this, [this] { decide(SpellingAction::Change); });
    connect(changeAll_, &QPushButton::clicked, this, [this] { decide(SpellingAction::ChangeAll); });
    connect(add_, &QPushButton::clicked, this, [this] { decide(SpellingAction::Add); });
    connect(cancel_, &QPushButton::clicked, this, [this] { decide(SpellingAction::Cancel); });
    connect(help_, &QPushButton::clicked, this, [this] { desktop_.showHelpTopic(kHelpSpelling); });
    connect(changeTo_, &QLineEdit::textChanged, this, &SpellingDialog::changeToEdited);
    connect(suggestions_, &QListWidget::itemClicked, this, &SpellingDialog::suggestionChosen);
    connect(suggestions_, &QListWidget::currentRowChanged, this, &SpellingDialog::suggestionChosen);
    connect(suggestions_, &QListWidget::itemDoubleClicked, this, [this] {
        suggestionChosen();
        decide(SpellingAction::Change);
    });
    resize(500, 300);
}

void SpellingDialog::present(const DoubtfulWord& word) {
    doubtful_ = word;
    decision_ = {SpellingAction::Cancel, {}};
    const std::string text = word.word();
    word_->setText(toQString(text));
    contextCaption_->setText(QStringLiteral("Item (Row %1):").arg(word.row));
    const QString before = toQString(std::string_view(word.text).substr(0, word.start));
    const QString after = toQString(std::string_view(word.text).substr(word.start + word.length));
    context_->setText(
        QStringLiteral("<span style=\"white-space:pre\">%1<b><font "
                       "color=\"#c00000\">%2</font></b>%3</span>")
            .arg(before.toHtmlEscaped(), toQString(text).toHtmlEscaped(), after.toHtmlEscaped()));

    suggestions_->blockSignals(true);
    suggestions_->clear();
    for (const std::string& suggestion : word.suggestions) {
        suggestions_->addItem(toQString(suggestion));
    }
    if (word.suggestions.empty()) {
        auto* none = new QListWidgetItem(QLatin1String(kNoSuggestions), suggestions_);
        none->setFlags(Qt::NoItemFlags);
    } else {
        suggestions_->setCurrentRow(0);
    }
    suggestions_->blockSignals(false);
    changeTo_->setText(toQString(word.suggestions.empty() ? text : word.suggestions.front()));
    changeTo_->selectAll();
    changeTo_->setFocus();
}

void SpellingDialog::changeToEdited(const QString& text) {
    const bool deletes = text.trimmed().isEmpty();
    change_->setText(QLatin1String(deletes ? kDeleteCaption : kChangeCaption));
    changeAll_->setText(QLatin1String(deletes ? kDeleteAllCaption : kChangeAllCaption));
}

void SpellingDialog::suggestionChosen() {
    const QListWidgetItem* item = suggestions_->currentItem();
    if (item && (item->flags() & Qt::ItemIsEnabled)) {
        changeTo_->setText(item->text());
    }
}

void SpellingDialog::decide(SpellingAction action) {
    std::string replacement;
    if (action == SpellingAction::Change || action == SpellingAction::ChangeAll) {
        replacement = std::string(trimBlanks(changeTo_->text().toStdString()));
        // The name goes back into the year file, which cannot hold every character.
        if (const auto character = unstorableCharacter(replacement)) {
            desktop_.endBusy();
            desktop_.message(unstorableCharacterMessage(*character));
            changeTo_->setFocus();
            return;
        }
    }
    decision_ = {action, replacement};
    if (action == SpellingAction::Cancel) {
        reject();
    } else {
        accept();
    }
}

void SpellingDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        desktop_.showHelpTopic(kHelpSpelling);
        return;
    }
    QDialog::keyPressEvent(event);
}

DialogSpellingQuestions::DialogSpellingQuestions(Desktop& desktop, QWidget* parent, RowArea rowArea)
    : dialog_(new SpellingDialog(desktop, parent)), parent_(parent), rowArea_(std::move(rowArea)) {}

DialogSpellingQuestions::~DialogSpellingQuestions() {
    delete dialog_;
}

SpellingDecision DialogSpellingQuestions::ask(const DoubtfulWord& word) {
    if (!dialog_) {
        return {SpellingAction::Cancel, {}};
    }
    dialog_->present(word);
    if (rowArea_) {
        placeClearOf(rowArea_(word.row));
    }
    dialog_->exec();
    return dialog_ ? dialog_->decision() : SpellingDecision{SpellingAction::Cancel, {}};
}

void DialogSpellingQuestions::placeClearOf(const QRect& row) {
    QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
    if (!row.isValid() || !screen) {
        return;
    }
    constexpr int kGap = 12;
    const QRect available = screen->availableGeometry();
    const QSize size = dialog_->size();
    const int middle =
        parent_ ? parent_->mapToGlobal(parent_->rect().center()).x() : row.center().x();
    // Below the row where the screen has room, otherwise above it.
    int top = row.bottom() + kGap;
    if (top + size.height() > available.bottom()) {
        top = row.top() - kGap - size.height();
    }
    const int left = std::clamp(middle - size.width() / 2, available.left(),
                                std::max(available.left(), available.right() - size.width()));
    top = std::clamp(top, available.top(),
                     std::max(available.top(), available.bottom() - size.height()));
    dialog_->move(left, top);
}

}  // namespace coinwell::budget
