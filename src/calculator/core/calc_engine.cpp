#include "calculator/core/calc_engine.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "calculator/core/calc_functions.h"
#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"

namespace coinwell::calculator {

namespace {

std::string operationFailure(std::string_view op) {
    return "Error in " + std::string(op) + " operation";
}

std::string functionFailure(std::string_view upper) {
    return "Error in " + std::string(upper) + " function";
}

}  // namespace

std::string functionName(FunctionKey key, bool inv, bool hyp) {
    auto trig = [&](const std::string& base) {
        std::string name = inv ? "Arc" + base : base;
        return hyp ? name + "h" : name;
    };
    switch (key) {
        case FunctionKey::Sin:
            return trig("Sin");
        case FunctionKey::Cos:
            return trig("Cos");
        case FunctionKey::Tan:
            return trig("Tan");
        case FunctionKey::Sqrt:
            return inv ? "X^2" : "Sqrt";
        case FunctionKey::CubeRoot:
            return inv ? "X^3" : "CubeRoot";
        case FunctionKey::Ln:
            return inv ? "Exp" : "Ln";
        case FunctionKey::Log:
            return inv ? "10^X" : "Log";
        case FunctionKey::Reciprocal:
            return "1/X";
    }
    return "";
}

std::string memoryLine(int index, std::string_view valueText) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", index + 1);
    return std::string(number) + " : " + std::string(valueText);
}

std::string memoryValueText(std::string_view line) {
    return line.size() > 6 ? std::string(line.substr(6)) : std::string();
}

CalcEngine::CalcEngine(Dialogs& dialogs) : dialogs_(dialogs) {
    state_.displayFormat.clear();
    state_.angleFactor = 1;
    resetMemories();
    clearEntryAndStack();
}

void CalcEngine::setDisplay(std::string text) {
    if (text != display_) {
        display_ = std::move(text);
        state_.entryActive = true;
        heldValue_.reset();
    }
}

// Runs one key's work; a failure anywhere in it is reported, the entry and the stack are
// cleared, and nothing after the failed step is done.
template <class Step>
bool CalcEngine::guarded(std::string_view readFailure, Step&& step) {
    readFailure_ = std::string(readFailure);
    try {
        step();
        return true;
    } catch (const Failure& failure) {
        dialogs_.message(
            {failure.text, "Error", MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
        clearEntryAndStack();
        return false;
    }
}

double CalcEngine::parseOrFail(std::string_view text, const std::string& failure) {
    try {
        return parseLeadingNumber(text);
    } catch (const NumberOverflow&) {
        throw Failure{failure};
    }
}

double CalcEngine::read(std::string_view text) const {
    return parseOrFail(text, state_.pendingOperator != kNoOperator
                                 ? operationFailure(state_.pendingOperator)
                                 : readFailure_);
}

double CalcEngine::readDisplay() const {
    return heldValue_ ? *heldValue_ : read(display_);
}

std::string CalcEngine::format(double value) const {
    if (state_.displayFormat.empty()) {
        return plainNumberText(value);
    }
    try {
        return formatNumber(value, state_.displayFormat);
    } catch (const BadFormatPattern&) {
        return plainNumberText(value);  // only accepted patterns are ever put in force
    }
}

void CalcEngine::digit(int d) {
    if (d < 0 || d > 9) {
        return;
    }
    if (!state_.entryActive) {
        setDisplay("");
    }
    state_.invFlag = state_.hypFlag = false;
    setDisplay(display_ + static_cast<char>('0' + d));
}

void CalcEngine::decimalPoint() {
    state_.invFlag = state_.hypFlag = false;
    if (state_.entryActive) {
        if (display_.find('.') == std::string::npos) {
            setDisplay(display_ + ".");
        }
    } else {
        setDisplay("0.");
        state_.entryActive = true;  // also when the display already read "0."
    }
}

void CalcEngine::changeSign() {
    state_.invFlag = state_.hypFlag = false;
    heldValue_.reset();
    if (!display_.empty() && display_.front() == '-') {
        display_.erase(0, 1);
    } else if (!display_.empty() && display_.front() == '+') {
        display_.front() = '-';
    } else {
        display_.insert(0, "-");
    }
}

void CalcEngine::commitEntryStep() {
    if (state_.pendingOperator == kNoOperator) {
        const double value = readDisplay();
        state_.previousOperand = state_.accumulator;
        state_.accumulator = value;
    }
    state_.entryActive = false;
}

void CalcEngine::applyPendingStep() {
    state_.previousOperand = state_.accumulator;
    state_.accumulator = readDisplay();
    const std::optional<double> result =
        applyOperator(state_.pendingOperator, state_.previousOperand, state_.accumulator);
    if (!result) {
        throw Failure{operationFailure(state_.pendingOperator)};
    }
    state_.accumulator = *result;
    setDisplay(format(state_.accumulator));
    state_.entryActive = state_.invFlag = state_.hypFlag = false;
}

void CalcEngine::pressOperatorStep(const std::string& op) {
    if (state_.entryActive) {
        commitEntryStep();
    }
    if (state_.pendingOperator != kNoOperator) {
        applyPendingStep();
    } else {
        state_.accumulator = readDisplay();
    }
    state_.pendingOperator = op;
    state_.entryActive = state_.invFlag = state_.hypFlag = false;
}

void CalcEngine::equalsStep() {
    if (!stack_.empty()) {
        while (stack_.size() > 1) {
            closeParenthesisStep();
        }
    } else {
        applyPendingStep();
        state_.pendingOperator = kNoOperator;
    }
}

void CalcEngine::closeParenthesisStep() {
    if (stack_.size() < 2) {
        return;
    }
    if (state_.pendingOperator != kNoOperator) {
        applyPendingStep();
    }
    state_.pendingOperator = stack_[0];
    state_.previousOperand = state_.accumulator;
    state_.accumulator = read(stack_[1]);
    stack_.erase(stack_.begin(), stack_.begin() + 2);
    applyPendingStep();
    state_.pendingOperator = kNoOperator;
}

void CalcEngine::applyFunctionStep(std::string_view name) {
    const std::string upper = upperName(name);
    readFailure_ = functionFailure(upper);
    const double x = heldValue_ ? *heldValue_ : parseOrFail(display_, readFailure_);
    const std::optional<double> result = calculator::applyFunction(upper, x, state_.angleFactor);
    if (!result) {
        throw Failure{functionFailure(upper)};
    }
    setDisplay(format(*result));
    state_.entryActive = state_.invFlag = state_.hypFlag = false;
}

bool CalcEngine::commitEntry() {
    return guarded(operationFailure(state_.pendingOperator), [&] { commitEntryStep(); });
}

bool CalcEngine::applyPending() {
    return guarded(operationFailure(state_.pendingOperator), [&] { applyPendingStep(); });
}

bool CalcEngine::pressOperator(std::string_view op) {
    const std::string name(op);
    return guarded(operationFailure(name), [&] { pressOperatorStep(name); });
}

bool CalcEngine::applyFunction(std::string_view name) {
    return guarded(functionFailure(upperName(name)), [&] { applyFunctionStep(name); });
}

bool CalcEngine::arithmeticKey(std::string_view op) {
    if (display_.empty()) {
        return false;
    }
    const std::string name(op);
    return guarded(operationFailure(name), [&] {
        if (state_.chainPending) {
            if (stack_.empty()) {
                equalsStep();
                state_.chainPending = false;
            } else {
                // Inside a parenthesis only this level's pending operation is finished: "="
                // would close the parenthesis and apply the operator waiting outside it.
                applyPendingStep();
                state_.pendingOperator = kNoOperator;
            }
        }
        pressOperatorStep(name);
        state_.chainPending = true;
    });
}

bool CalcEngine::powerKey() {
    return pressOperator(state_.invFlag ? "Y^1/X" : "Y^X");
}

bool CalcEngine::equals() {
    if (display_.empty()) {
        return false;
    }
    return guarded(operationFailure("="), [&] {
        equalsStep();
        state_.chainPending = false;
    });
}

void CalcEngine::openParenthesis() {
    if (state_.pendingOperator != kNoOperator) {
        stack_.insert(stack_.begin(), format(state_.accumulator));
        state_.accumulator = 0;
        stack_.insert(stack_.begin(), state_.pendingOperator);
    } else if (!stack_.empty()) {
        // A group opened first inside another group nests: it is added to nothing, so its own
        // ")" closes it alone rather than the group around it.
        stack_.insert(stack_.begin(), "0");
        stack_.insert(stack_.begin(), "+");
    }
    state_.pendingOperator = kNoOperator;
}

bool CalcEngine::closeParenthesis() {
    if (stack_.size() < 2) {
        return false;
    }
    return guarded(operationFailure(")"), [&] { closeParenthesisStep(); });
}

void CalcEngine::clearEntryAndStack() {
    setDisplay("");
    state_.accumulator = state_.previousOperand = 0;
    state_.pendingOperator = kNoOperator;
    state_.invFlag = state_.hypFlag = false;
    stack_.clear();
}

bool CalcEngine::functionKey(FunctionKey key) {
    return applyFunction(functionName(key, state_.invFlag, state_.hypFlag));
}

bool CalcEngine::pi() {
    return guarded(functionFailure("PI"), [&] {
        state_.invFlag = state_.hypFlag = false;
        if (state_.entryActive) {
            commitEntryStep();
        }
        const std::string text = format(calculatorPi());
        setDisplay(text);
        state_.entryActive = true;  // typed on even when the display already showed pi
        // Shown in full precision, pi stands for itself until the display changes.
        if (text == plainNumberText(calculatorPi())) {
            heldValue_ = calculatorPi();
        }
    });
}

void CalcEngine::setDegrees(bool ticked) {
    state_.angleFactor = ticked ? calculatorPi() / 180 : 1;
}

std::size_t CalcEngine::memoryIndex(std::optional<int> selected) const {
    if (selected && *selected >= 0 && *selected < static_cast<int>(memories_.size())) {
        return static_cast<std::size_t>(*selected);
    }
    return 0;
}

bool CalcEngine::store(std::optional<int> selected) {
    return guarded(functionFailure("STO"), [&] {
        state_.invFlag = state_.hypFlag = state_.entryActive = false;
        const std::size_t s = memoryIndex(selected);
        const double value = readDisplay();
        memories_[s] = memoryLine(static_cast<int>(s), format(value));
    });
}

// Beyond the double range the sum is reported like a failed function and the memory keeps its
// value.
bool CalcEngine::storePlus(std::optional<int> selected) {
    const std::string failure = functionFailure("STO+");
    return guarded(failure, [&] {
        state_.invFlag = state_.hypFlag = state_.entryActive = false;
        const std::size_t s = memoryIndex(selected);
        const double shown = heldValue_ ? *heldValue_ : parseOrFail(display_, failure);
        const double kept = parseOrFail(memoryValueText(memories_[s]), failure);
        const double sum = shown + kept;
        if (!std::isfinite(sum)) {
            throw Failure{failure};
        }
        memories_[s] = memoryLine(static_cast<int>(s), format(sum));
    });
}

// The recalled text is typed on, even when the display already showed it, and it stands for
// nothing but itself (a recalled pi is the 15 digits stored).
void CalcEngine::recall(std::optional<int> selected) {
    state_.invFlag = state_.hypFlag = false;
    setDisplay(memoryValueText(memories_[memoryIndex(selected)]));
    state_.entryActive = true;
    heldValue_.reset();
}

void CalcEngine::clearMemory(std::optional<int> selected) {
    state_.invFlag = state_.hypFlag = false;
    if (selected && *selected >= 0 && *selected < static_cast<int>(memories_.size())) {
        memories_[static_cast<std::size_t>(*selected)] = memoryLine(*selected, "0");
    }
}

void CalcEngine::resetMemories() {
    state_.invFlag = state_.hypFlag = false;
    memories_.clear();
    for (int k = 0; k < kMemoryCount; ++k) {
        memories_.push_back(memoryLine(k, "0"));
    }
}

void CalcEngine::displayFormatKey() {
    std::string answer = state_.displayFormat;
    for (;;) {
        answer = dialogs_.input({"Enter display format", "Input", answer});
        if (answer.empty()) {
            return;
        }
        try {
            (void)formatNumber(std::pow(10.0, calculatorPi()), answer);
            state_.displayFormat = answer;
            return;
        } catch (const BadFormatPattern&) {
            dialogs_.message({"Bad format string", "Error!", MessageIcon::Information,
                              MessageButtons::Ok, Answer::Ok});
        }
    }
}

void CalcEngine::exponentKey() {
    if (!state_.entryActive) {
        return;
    }
    if (display_.find('D') == std::string::npos) {
        const std::string answer = dialogs_.input({"Enter exponent ", "Input", "D+000"});
        if (!answer.empty()) {
            setDisplay(display_ + answer);
            // A number beyond the double range stays in the display as typed; the next
            // operation that reads it reports the failure.
            try {
                readFailure_ = functionFailure("EEX");
                commitEntryStep();
            } catch (const Failure&) {
                state_.entryActive = false;
            }
        }
    }
    state_.invFlag = state_.hypFlag = false;
}

}  // namespace coinwell::calculator
