#pragma once
// The Calculator screen: display, keypad, function keys, the visible parenthesis stack and the
// 100 memories, inside the common tool-screen frame. Every key goes to the calculator engine;
// the screen only shows what the engine holds and moves the focus the way the keys ask.

#include <QHash>
#include <optional>

#include "calculator/core/calc_engine.h"
#include "shell/ui/tool_screen.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace coinwell {

class SciCalc : public ToolScreen {
    Q_OBJECT
  public:
    SciCalc(AppContext& context, QWidget* mainScreen);

    calculator::CalcEngine& engine() { return engine_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void activated() override;
    void controlsResized() override;

  private:
    QPushButton* makeKey(const QString& name, const QString& caption, const QString& kind,
                         const QRect& geometry);
    QLabel* makeLabel(const QString& name, const QString& caption, const QRect& geometry,
                      bool keyLabel = true);
    void buildContent();
    void connectKeys();
    // The form sees every key first: digits, operators and the decimal point of the main
    // keyboard and the numeric pad. True when the key was taken.
    bool handleKey(QKeyEvent* event);
    std::optional<int> selectedMemory() const;
    // Shows what the engine holds: display, stack and memories.
    void refresh();
    void digitKey(int digit);
    void arithmeticKey(const char* op);

    calculator::CalcEngine engine_;
    QWidget* content_ = nullptr;
    QLineEdit* display_ = nullptr;
    QListWidget* stackList_ = nullptr;
    QListWidget* memoryList_ = nullptr;
    QGroupBox* memoryFrame_ = nullptr;
    int memoryRowsShown_ = 0;  // whole memory lines the list shows at its design size
    QCheckBox* degrees_ = nullptr;
    QPushButton* digits_[10] = {};
    QHash<QString, QPushButton*> keys_;
};

// The factory the program registers for the Calculator.
ToolScreen* createSciCalc(AppContext& context, QWidget* mainScreen);

}  // namespace coinwell
