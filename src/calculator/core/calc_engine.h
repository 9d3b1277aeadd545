#pragma once
// The scientific calculator: the display text, the visible parenthesis stack and the 100
// memories, changed one key at a time. Operators work strictly from left to right and
// parentheses group what they enclose. Numbers travel through text: operands are read back from the
// display, results are written with the display format, the stack and the memories hold formatted
// text. The one exception is pi: while the display still shows it unchanged, the exact value is
// used rather than its 15 digits. A failed operation shows "Error in ..." and clears the entry and
// the stack.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/dialogs.h"

namespace coinwell::calculator {

inline constexpr const char* kNoOperator = " ";
inline constexpr int kMemoryCount = 100;

struct CalcState {
    double accumulator = 0;                     // left operand of the pending operator; last result
    double previousOperand = 0;                 // the accumulator's earlier value
    std::string pendingOperator = kNoOperator;  // "+", "-", "*", "/", "Y^X", "Y^1/X" or " "
    bool entryActive = false;                   // the display holds a number being typed
    bool chainPending = false;  // an arithmetic key was pressed and no "=" has run since
    bool invFlag = false;
    bool hypFlag = false;
    double angleFactor = 1;     // pi/180 in degrees, 1 in radians
    std::string displayFormat;  // pattern for every number written; "" = plain text
};

// The function keys; the name computed depends on INV and HYP.
enum class FunctionKey { Sin, Cos, Tan, Sqrt, CubeRoot, Ln, Log, Reciprocal };

// The name a function key computes with the given shifts: "Sin", "Sinh", "ArcSin", "ArcSinh",
// ..., "Sqrt" / "X^2", "CubeRoot" / "X^3", "Ln" / "Exp", "Log" / "10^X", "1/X".
std::string functionName(FunctionKey key, bool inv, bool hyp);

// Memory entry k (0-99): "001 : 0" ... with the value text from the seventh character.
std::string memoryLine(int index, std::string_view valueText);
std::string memoryValueText(std::string_view line);

class CalcEngine {
  public:
    // Questions (errors, the display format and exponent prompts) go through dialogs. The
    // engine starts as the screen loads: plain display format, radians, memories reset, the
    // entry and the stack cleared.
    explicit CalcEngine(Dialogs& dialogs);

    const CalcState& state() const { return state_; }
    const std::string& display() const { return display_; }
    // Entries of the parenthesis stack, index 0 at the top (an operator over its left operand).
    const std::vector<std::string>& stack() const { return stack_; }
    const std::vector<std::string>& memories() const { return memories_; }

    // Replaces the display text; every change of the display makes it the entry being typed.
    void setDisplay(std::string text);

    // Keys. Those returning bool give false when they did nothing or their operation failed
    // (the failure has then been reported and the entry and stack cleared).
    void digit(int d);
    void decimalPoint();
    void changeSign();
    // "+", "-", "*" or "/": only with a non-empty display; a pending chain is finished first,
    // by "=" at the top level, inside a parenthesis by that level's pending operation alone.
    bool arithmeticKey(std::string_view op);
    // "Y^X", or "Y^1/X" after INV.
    bool powerKey();
    bool equals();
    // Stacks the pending operator over its left operand; with nothing pending, nothing at the
    // top level and "+" over "0" inside a parenthesis.
    void openParenthesis();
    bool closeParenthesis();
    void clearEntryAndStack();
    void inverse() { state_.invFlag = true; }
    void hyperbolic() { state_.hypFlag = true; }
    bool functionKey(FunctionKey key);
    bool pi();
    void setDegrees(bool ticked);
    // Memory keys on the selected entry (none selected: the first for STO, STO+ and RCL).
    bool store(std::optional<int> selected);
    bool storePlus(std::optional<int> selected);
    void recall(std::optional<int> selected);
    void clearMemory(std::optional<int> selected);
    void resetMemories();
    // "DSP": asks for a display format until the formatter accepts one or the answer is empty.
    void displayFormatKey();
    // "EEX": while a number is typed, asks for an exponent and appends it as typed.
    void exponentKey();
    // Each activation of the screen ends an arithmetic chain.
    void activate() { state_.chainPending = false; }

    // The steps the keys are made of, each reporting its own failure.
    bool commitEntry();
    bool applyPending();
    bool pressOperator(std::string_view op);
    bool applyFunction(std::string_view name);

  private:
    struct Failure {
        std::string text;
    };
    template <class Step>
    bool guarded(std::string_view readFailure, Step&& step);
    static double parseOrFail(std::string_view text, const std::string& failure);
    double read(std::string_view text) const;
    double readDisplay() const;
    std::string format(double value) const;
    void commitEntryStep();
    void applyPendingStep();
    void pressOperatorStep(const std::string& op);
    void equalsStep();
    void closeParenthesisStep();
    void applyFunctionStep(std::string_view name);
    std::size_t memoryIndex(std::optional<int> selected) const;

    Dialogs& dialogs_;
    CalcState state_;
    std::string display_;
    std::vector<std::string> stack_;
    std::vector<std::string> memories_;
    // The exact value behind the display text while it is unchanged (pi, whose text shows
    // only 15 digits).
    std::optional<double> heldValue_;
    // Shown when the display cannot be read (beyond the double range) outside a pending
    // operation: names the key that read it.
    std::string readFailure_;
};

}  // namespace coinwell::calculator
