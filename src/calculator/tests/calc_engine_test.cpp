// The calculator engine driven key by key, as a user would press the keys.

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "calculator/core/calc_engine.h"
#include "calculator/core/calc_functions.h"
#include "common/core/number_parse.h"

namespace coinwell::calculator {
namespace {

// Answers the engine's questions from a script; anything unscripted fails the test.
class ScriptedDialogs : public Dialogs {
  public:
    void expectError(const std::string& text, const std::string& title = "Error") {
        script_.push_back(
            MessageRequest{text, title, MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
    }
    void expectInput(const InputRequest& request, std::string answer) {
        script_.push_back(std::pair{request, std::move(answer)});
    }
    bool done() const { return script_.empty(); }

    Answer message(const MessageRequest& request) override {
        if (script_.empty() || !std::holds_alternative<MessageRequest>(script_.front())) {
            ADD_FAILURE() << "unexpected message: " << request.text;
            return Answer::Ok;
        }
        EXPECT_EQ(std::get<MessageRequest>(script_.front()), request)
            << "message: " << request.text;
        script_.pop_front();
        return Answer::Ok;
    }
    std::string input(const InputRequest& request) override {
        using Scripted = std::pair<InputRequest, std::string>;
        if (script_.empty() || !std::holds_alternative<Scripted>(script_.front())) {
            ADD_FAILURE() << "unexpected input box: " << request.prompt;
            return {};
        }
        const Scripted expected = std::get<Scripted>(script_.front());
        script_.pop_front();
        EXPECT_EQ(expected.first, request) << "input box: " << request.prompt;
        return expected.second;
    }
    std::optional<ColorNumber> chooseColor(ColorNumber) override {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override {
        ADD_FAILURE() << "unexpected font dialog";
        return std::nullopt;
    }
    void setClipboardText(const std::string&) override { ADD_FAILURE() << "unexpected copy"; }
    void beginBusy() override {}
    void endBusy() override {}
    void processEvents() override {}

  private:
    std::deque<std::variant<MessageRequest, std::pair<InputRequest, std::string>>> script_;
};

class Calculator : public ::testing::Test {
  protected:
    ~Calculator() override { EXPECT_TRUE(dialogs.done()) << "a scripted question was not asked"; }

    // Presses the keys named in a blank-separated sequence; a number is typed digit by digit.
    // Key names are the captions: + - x / Y^X = ( ) CLX +/- INV HYP SIN COS TAN SQRT X^1/3 LN
    // LOG 1/X Pi STO STO+ RCL CLR DSP EEX.
    const std::string& press(const std::string& keys) {
        std::istringstream in(keys);
        std::string key;
        while (in >> key) {
            pressOne(key);
        }
        return engine.display();
    }

    void pressOne(const std::string& key) {
        if (key == "+" || key == "-" || key == "/") {
            engine.arithmeticKey(key);
        } else if (key == "x") {
            engine.arithmeticKey("*");
        } else if (key == "Y^X") {
            engine.powerKey();
        } else if (key == "=") {
            engine.equals();
        } else if (key == "(") {
            engine.openParenthesis();
        } else if (key == ")") {
            engine.closeParenthesis();
        } else if (key == "CLX") {
            engine.clearEntryAndStack();
        } else if (key == "+/-") {
            engine.changeSign();
        } else if (key == "INV") {
            engine.inverse();
        } else if (key == "HYP") {
            engine.hyperbolic();
        } else if (key == "SIN") {
            engine.functionKey(FunctionKey::Sin);
        } else if (key == "COS") {
            engine.functionKey(FunctionKey::Cos);
        } else if (key == "TAN") {
            engine.functionKey(FunctionKey::Tan);
        } else if (key == "SQRT") {
            engine.functionKey(FunctionKey::Sqrt);
        } else if (key == "X^1/3") {
            engine.functionKey(FunctionKey::CubeRoot);
        } else if (key == "LN") {
            engine.functionKey(FunctionKey::Ln);
        } else if (key == "LOG") {
            engine.functionKey(FunctionKey::Log);
        } else if (key == "1/X") {
            engine.functionKey(FunctionKey::Reciprocal);
        } else if (key == "Pi") {
            engine.pi();
        } else if (key == "STO") {
            engine.store(selected);
        } else if (key == "STO+") {
            engine.storePlus(selected);
        } else if (key == "RCL") {
            engine.recall(selected);
        } else if (key == "CLR") {
            engine.clearMemory(selected);
        } else if (key == "DSP") {
            engine.displayFormatKey();
        } else if (key == "EEX") {
            engine.exponentKey();
        } else {
            for (char c : key) {
                if (c == '.') {
                    engine.decimalPoint();
                } else if (c >= '0' && c <= '9') {
                    engine.digit(c - '0');
                } else {
                    ADD_FAILURE() << "no key " << key;
                }
            }
        }
    }

    // What the display reads as.
    double shown() const { return parseLeadingNumber(engine.display()); }

    void useFormat(const std::string& pattern) {
        dialogs.expectInput({"Enter display format", "Input", engine.state().displayFormat},
                            pattern);
        engine.displayFormatKey();
    }

    void expectCleared() const {
        EXPECT_EQ(engine.display(), "");
        EXPECT_TRUE(engine.stack().empty());
        EXPECT_EQ(engine.state().pendingOperator, " ");
        EXPECT_EQ(engine.state().accumulator, 0);
    }

    ScriptedDialogs dialogs;
    CalcEngine engine{dialogs};
    std::optional<int> selected;
};

TEST_F(Calculator, StartsEmptyInRadiansWithPlainFormatAndZeroMemories) {
    EXPECT_EQ(engine.display(), "");
    EXPECT_FALSE(engine.state().entryActive);
    EXPECT_EQ(engine.state().pendingOperator, " ");
    EXPECT_EQ(engine.state().angleFactor, 1);
    EXPECT_EQ(engine.state().displayFormat, "");
    ASSERT_EQ(engine.memories().size(), 100u);
    EXPECT_EQ(engine.memories()[0], "001 : 0");
    EXPECT_EQ(engine.memories()[11], "012 : 0");
    EXPECT_EQ(engine.memories()[99], "100 : 0");
}

TEST_F(Calculator, OperatorsWorkLeftToRightWithoutPrecedence) {
    EXPECT_EQ(press("7 + 8 ="), "15");
    EXPECT_EQ(press("1 / 3 ="), "0.333333333333333");
    EXPECT_EQ(press("2 + 3 +"), "5");
    EXPECT_EQ(press("4 ="), "9");
    EXPECT_EQ(press("2 + 3 x 4 ="), "20");
    EXPECT_EQ(press("2 Y^X 3 + 1 ="), "9");
    EXPECT_EQ(press("2 Y^X 3 Y^X 2 ="), "64");
    EXPECT_EQ(press("10 - 12.5 ="), "-2.5");
    EXPECT_EQ(press("27 INV Y^X 3 ="), "3");
    EXPECT_FALSE(engine.state().chainPending);
}

TEST_F(Calculator, ResultsCarryOnAndEqualsRewritesTheDisplay) {
    EXPECT_EQ(press("6 x 7 ="), "42");
    EXPECT_EQ(press("- 2 ="), "40");  // a result is the next left operand
    EXPECT_EQ(press("="), "40");      // nothing pending: read back and rewritten
    EXPECT_EQ(press("007 ="), "7");
    EXPECT_EQ(press("5 ="), "5");  // a digit after "=" starts a new number
}

TEST_F(Calculator, PiActsLikeATypedNumber) {
    EXPECT_EQ(press("2 + 3 Pi ="), "5.14159265358979");
    EXPECT_EQ(press("CLX Pi 1"), "3.141592653589791");  // a digit is appended to its text
    EXPECT_EQ(press("CLX Pi Pi 1"), "3.141592653589791");
    EXPECT_EQ(press("Pi = Pi 1"), "3.141592653589791");
    // Unchanged in the display, pi keeps its full precision (2 x 3.14159265358979 would give
    // ...958); a format that shortens it makes it the number shown.
    EXPECT_EQ(press("CLX 2 x Pi ="), "6.28318530717959");
    EXPECT_EQ(press("Pi +/- x 2 ="), "-6.28318530717958");
    useFormat("0.00");
    EXPECT_EQ(press("Pi x 100 ="), "314.00");
}

TEST_F(Calculator, EmptyDisplayIgnoresArithmeticKeysAndEquals) {
    press("+ - x / =");
    EXPECT_EQ(engine.display(), "");
    EXPECT_EQ(engine.state().pendingOperator, " ");
    EXPECT_FALSE(engine.state().chainPending);
    EXPECT_FALSE(engine.equals());
    press("5 + 3 = CLX + =");
    EXPECT_EQ(engine.display(), "");
}

TEST_F(Calculator, DecimalPointAndChangeOfSign) {
    EXPECT_EQ(press("1 + 2 = ."), "0.");
    EXPECT_EQ(press("."), "0.");
    EXPECT_EQ(press("5 . 2"), "0.52");
    EXPECT_EQ(press("= 12 +/-"), "-12");
    EXPECT_EQ(press("+/-"), "12");
    engine.setDisplay("+5");
    EXPECT_EQ(press("+/-"), "-5");
    // "+/-" on a result keeps it a result: the next digit starts a new number.
    EXPECT_EQ(press("= 3 x 3 = +/-"), "-9");
    EXPECT_FALSE(engine.state().entryActive);
    EXPECT_EQ(press("4"), "4");
    // and on a number being typed lets typing go on.
    EXPECT_EQ(press("+/- 2"), "-42");
    EXPECT_EQ(press("+ 2 ="), "-40");
    // "." on a stored "0." starts a new number even though the text stays the same.
    EXPECT_EQ(press(". STO . 5"), "0.5");
}

// Parentheses group what they enclose; between them the keys still work from left to right.
TEST_F(Calculator, ParenthesesGroupWhatTheyEnclose) {
    struct Case {
        const char* keys;
        const char* shown;
        const char* format;
    };
    // The plain format first: DSP cannot go back to it.
    const Case cases[] = {
        {"2 x ( 3 + 4 ) =", "14", ""},
        {"2 + 3 x ( 4 + 5 ) =", "45", ""},  // left to right up to the group
        {"( 1 + 2 ) x ( 3 + 4 ) =", "21", ""},
        {"2 x ( 3 + 4 x ( 5 - 1 ) ) =", "56", ""},
        {"2 - ( ( 3 + 4 ) - 5 ) =", "0", ""},  // a group opened first inside another nests
        {"1 + ( ( 2 + 3 ) x 4 ) =", "21", ""},
        {"2 + 3 x 4 =", "20", ""},
        {"2 Y^X ( 1 + 2 ) =", "8", ""},
        {"2 x ( 9 SQRT ) =", "6", ""},
        {"2 x ( 3 + 4 =", "14", ""},  // "=" closes every open parenthesis
        {"2 Y^X ( 3 Y^X ( 1 + 1 =", "512", ""},
        {"( ( 2 + 3 ) x 4 ) =", "20", ""},        // at the top level "(" stacks nothing
        {"2 x ( 1 / 3 x 3 ) =", "1.98", "0.00"},  // the shown 0.33 carries on inside too
        {"1 / 3 x 3 =", "0.99", "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + " with format \"" + c.format + "\"");
        engine.clearEntryAndStack();
        engine.activate();
        if (engine.state().displayFormat != c.format) {
            useFormat(c.format);
        }
        EXPECT_EQ(press(c.keys), c.shown);
        EXPECT_TRUE(engine.stack().empty());
    }
}

TEST_F(Calculator, ParenthesesKeepTheirValueOnTheVisibleStack) {
    press("2 x ( 3 + 4");  // an arithmetic key inside leaves the parenthesis open
    EXPECT_EQ(engine.stack(), (std::vector<std::string>{"*", "2"}));
    press("CLX 2 x ( ( 3");
    EXPECT_EQ(engine.stack(), (std::vector<std::string>{"+", "0", "*", "2"}));
    press("CLX");

    press("2 Y^X ( 1 + 2");
    EXPECT_EQ(engine.stack(), (std::vector<std::string>{"Y^X", "2"}));
    EXPECT_EQ(press(")"), "8");
    EXPECT_TRUE(engine.stack().empty());
    EXPECT_EQ(press("="), "8");
}

TEST_F(Calculator, ParenthesesWithoutEffect) {
    press("( 5");
    EXPECT_TRUE(engine.stack().empty());  // nothing pending: nothing pushed
    EXPECT_FALSE(engine.closeParenthesis());
    EXPECT_EQ(press("+ 1 ) ="), "6");  // fewer than two entries: ")" does nothing
}

TEST_F(Calculator, TheStackHoldsFormattedText) {
    useFormat("0.0");
    press("1.26 Y^X (");
    EXPECT_EQ(engine.stack(), (std::vector<std::string>{"Y^X", "1.3"}));
    EXPECT_EQ(press("2 ) ="), "1.7");  // 1.3 squared, not 1.26 squared
}

TEST_F(Calculator, FailedOperationsReportAndClearEverything) {
    dialogs.expectError("Error in / operation");
    press("5 / 0 =");
    expectCleared();

    dialogs.expectError("Error in Y^X operation");
    press("0 Y^X 1 +/- =");  // zero to a negative power
    expectCleared();

    dialogs.expectError("Error in Y^X operation");
    press("8 +/- Y^X 0.5 =");  // negative base, fractional exponent
    expectCleared();

    dialogs.expectError("Error in Y^1/X operation");
    press("2 INV Y^X 0 =");
    expectCleared();
}

TEST_F(Calculator, OverflowFailsButUnderflowIsZero) {
    const InputRequest ask{"Enter exponent ", "Input", "D+000"};
    dialogs.expectInput(ask, "D-300");
    dialogs.expectInput(ask, "D-300");
    EXPECT_EQ(press("1 EEX x 1 EEX ="), "0");

    dialogs.expectInput(ask, "D+300");
    dialogs.expectInput(ask, "D+300");
    dialogs.expectError("Error in * operation");
    press("1 EEX x 1 EEX =");
    expectCleared();
}

TEST_F(Calculator, FailureInsideAChainOrAParenthesisStopsTheKey) {
    dialogs.expectError("Error in / operation");
    press("5 / 0 +");  // "+" runs "=" first, which fails: "+" is not pressed
    expectCleared();
    EXPECT_EQ(press("4 ="), "4");

    dialogs.expectError("Error in / operation");
    press("3 Y^X ( 1 / 0 )");
    expectCleared();

    dialogs.expectError("Error in / operation");
    press("1 / ( 0 ) =");
    expectCleared();

    dialogs.expectError("Error in / operation");
    press("2 x ( 1 / 0 +");  // inside a parenthesis "+" finishes only 1 / 0, which fails
    expectCleared();
}

TEST_F(Calculator, ANumberBeyondTheDoubleRangeFailsTheNextOperation) {
    // 400 nines typed by hand
    const std::string huge(400, '9');
    dialogs.expectError("Error in + operation");
    press(huge + " +");
    expectCleared();

    dialogs.expectError("Error in = operation");
    press(huge + " =");

    dialogs.expectError("Error in - operation");
    press("2 - " + huge + " =");

    dialogs.expectError("Error in SIN function");
    press(huge + " SIN");
}

TEST_F(Calculator, CurrencyResultsReadBackAsZero) {
    useFormat("Currency");
    EXPECT_EQ(press("1200 + 1 ="), "$1,201.00");
    EXPECT_EQ(press("+ 1 ="), "$1.00");
}

TEST_F(Calculator, DisplayFormatDecidesThePrecisionThatCarriesOn) {
    useFormat("0.00");
    EXPECT_EQ(press("1 / 3 ="), "0.33");
    EXPECT_EQ(press("+ 1 ="), "1.33");
    useFormat("0.000E+00");
    EXPECT_EQ(press("1234 + 0 ="), "1.234E+03");
    EXPECT_EQ(engine.state().displayFormat, "0.000E+00");
}

TEST_F(Calculator, DisplayFormatPrompt) {
    // An empty answer keeps the format in force; the display is not rewritten.
    useFormat("0.00");
    press("1 / 4 =");
    dialogs.expectInput({"Enter display format", "Input", "0.00"}, "");
    engine.displayFormatKey();
    EXPECT_EQ(engine.state().displayFormat, "0.00");
    useFormat("0.0000");
    EXPECT_EQ(engine.display(), "0.25");

    // A rejected pattern is never used; the prompt asks again with it pre-filled.
    dialogs.expectInput({"Enter display format", "Input", "0.0000"}, "0.0\\");
    dialogs.expectError("Bad format string", "Error!");
    dialogs.expectInput({"Enter display format", "Input", "0.0\\"}, "\"abc");
    dialogs.expectError("Bad format string", "Error!");
    dialogs.expectInput({"Enter display format", "Input", "\"abc"}, "");
    engine.displayFormatKey();
    EXPECT_EQ(engine.state().displayFormat, "0.0000");

    dialogs.expectInput({"Enter display format", "Input", "0.0000"}, "0.0\\");
    dialogs.expectError("Bad format string", "Error!");
    dialogs.expectInput({"Enter display format", "Input", "0.0\\"}, "0.0");
    engine.displayFormatKey();
    EXPECT_EQ(engine.state().displayFormat, "0.0");
}

TEST_F(Calculator, ExponentEntry) {
    const InputRequest ask{"Enter exponent ", "Input", "D+000"};
    dialogs.expectInput(ask, "D+003");
    EXPECT_EQ(press("1.5 EEX"), "1.5D+003");
    EXPECT_EQ(press("+ 2 ="), "1502");

    press("EEX");  // just after "=": nothing asked

    dialogs.expectInput(ask, "D+003");
    EXPECT_EQ(press("2 + 1.5 EEX ="), "1502");

    dialogs.expectInput(ask, "d-2");
    EXPECT_EQ(press("2 EEX x 1 ="), "0.02");

    // Cancel appends nothing and the number can still be typed on.
    dialogs.expectInput(ask, "");
    EXPECT_EQ(press("7 EEX 5"), "75");

    // A malformed exponent is read as far as it goes.
    dialogs.expectInput(ask, "Dx");
    EXPECT_EQ(press("CLX 1.5 EEX + 1 ="), "2.5");

    // A "D" already in the display: no question.
    engine.setDisplay("1.5D+003");
    press("INV EEX");
    EXPECT_FALSE(engine.state().invFlag);
    EXPECT_EQ(engine.display(), "1.5D+003");
}

TEST_F(Calculator, FunctionsInRadians) {
    // Expected texts: `bc -l` at scale=40 using the same formulas (s, c, a, l, e, sqrt),
    // rounded by hand to 15 significant digits.
    EXPECT_EQ(press("1 SIN"), "0.841470984807897");
    EXPECT_EQ(press("2 COS"), "-0.416146836547142");
    EXPECT_EQ(press("1 TAN"), "1.5574077246549");
    EXPECT_EQ(press("0.5 INV SIN"), "0.523598775598299");
    EXPECT_EQ(press("0.5 INV COS"), "1.0471975511966");
    EXPECT_EQ(press("2 INV TAN"), "1.10714871779409");
    EXPECT_EQ(press("1 HYP SIN"), "1.1752011936438");
    EXPECT_EQ(press("1 HYP COS"), "1.54308063481524");
    EXPECT_EQ(press("0.5 HYP TAN"), "0.46211715726001");
    EXPECT_EQ(press("2 INV HYP SIN"), "1.44363547517881");
    EXPECT_EQ(press("2 HYP INV COS"), "1.31695789692482");
    EXPECT_EQ(press("0.5 INV HYP TAN"), "0.549306144334055");
    EXPECT_EQ(press("Pi SIN"), "1.22464679914735E-16");
}

TEST_F(Calculator, FunctionsInDegrees) {
    engine.setDegrees(true);
    EXPECT_EQ(press("30 SIN"), "0.5");
    EXPECT_EQ(press("60 COS"), "0.5");
    EXPECT_EQ(press("45 TAN"), "1");
    EXPECT_EQ(press("0.5 INV SIN"), "30");
    EXPECT_EQ(press("0.5 INV COS"), "60");
    EXPECT_EQ(press("1 INV TAN"), "45");
    EXPECT_EQ(press("1 HYP SIN"), "1.1752011936438");  // hyperbolic functions ignore degrees
    engine.setDegrees(false);
    EXPECT_EQ(press("30 SIN"), "-0.988031624092862");  // bc: s(30)
}

TEST_F(Calculator, LogarithmsPowersAndRoots) {
    // bc -l: l(2), l(2)/l(10), e(1), e(0.5*l(10)), sqrt(2), e(l(2)/3), 1/7, e(2.5*l(1.5))
    EXPECT_EQ(press("2 LN"), "0.693147180559945");
    EXPECT_EQ(press("2 LOG"), "0.301029995663981");
    EXPECT_EQ(press("1 INV LN"), "2.71828182845905");
    EXPECT_EQ(press("0.5 INV LOG"), "3.16227766016838");
    EXPECT_EQ(press("2 SQRT"), "1.4142135623731");
    EXPECT_EQ(press("2 X^1/3"), "1.25992104989487");
    EXPECT_EQ(press("7 1/X"), "0.142857142857143");
    EXPECT_EQ(press("1.5 Y^X 2.5 ="), "2.75567596063108");
    EXPECT_EQ(press("9 SQRT"), "3");
    EXPECT_EQ(press("9 INV SQRT"), "81");
    EXPECT_EQ(press("2 INV X^1/3"), "8");
    EXPECT_EQ(press("3 +/- INV X^1/3"), "-27");
    EXPECT_EQ(press("100 LOG"), "2");
    EXPECT_EQ(press("2 INV LOG"), "100");
    EXPECT_EQ(press("1 LN"), "0");
    EXPECT_EQ(press("4 INV 1/X"), "0.25");  // INV has no effect on 1/X
}

TEST_F(Calculator, FunctionsWorkOnTheRightOperand) {
    EXPECT_EQ(press("10 + 9 SQRT"), "3");
    EXPECT_EQ(engine.state().pendingOperator, "+");
    EXPECT_EQ(press("="), "13");
    EXPECT_EQ(press("10 + 9 SQRT 1"), "1");  // a digit after a function starts a new number
    EXPECT_EQ(press("="), "11");
}

TEST_F(Calculator, ShiftsLastForOneKey) {
    press("INV INV 4");  // not a toggle; a digit clears it
    EXPECT_FALSE(engine.state().invFlag);
    EXPECT_EQ(press("SQRT"), "2");
    press("HYP");
    EXPECT_TRUE(engine.state().hypFlag);
    press("(");  // "(" keeps the shifts
    engine.setDegrees(true);
    EXPECT_TRUE(engine.state().hypFlag);
    press("CLX");
    EXPECT_FALSE(engine.state().hypFlag);
    press("INV STO");
    EXPECT_FALSE(engine.state().invFlag);
}

TEST_F(Calculator, FailedFunctionsReportTheirName) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0 LN", "Error in LN function"},
        {"0 LOG", "Error in LOG function"},
        {"1 +/- SQRT", "Error in SQRT function"},
        {"0 1/X", "Error in 1/X function"},
        {"8 +/- X^1/3", "Error in CUBEROOT function"},
        {"1 INV HYP TAN", "Error in ARCTANH function"},
        {"1 +/- HYP INV TAN", "Error in ARCTANH function"},
        {"0.5 INV HYP COS", "Error in ARCCOSH function"},
        {"2 INV SIN", "Error in ARCSIN function"},
        {"1 INV COS", "Error in ARCCOS function"},
        {"800 INV LN", "Error in EXP function"},
        {"400 INV LOG", "Error in 10^X function"},
        {"800 HYP SIN", "Error in SINH function"},
        {"800 HYP COS", "Error in COSH function"},
        {"800 +/- HYP TAN", "Error in TANH function"},  // 1/E divides by zero
        {"800 HYP TAN", "Error in TANH function"},
        {"800 +/- HYP SIN", "Error in SINH function"},  // e^800 overflows
    };
    for (const auto& [keys, message] : cases) {
        dialogs.expectError(message);
        press("3 Y^X ( " + keys);
        SCOPED_TRACE(keys);
        expectCleared();
    }
    engine.setDegrees(true);
    dialogs.expectError("Error in ARCSIN function");
    press("1 INV SIN");
    expectCleared();
}

TEST_F(Calculator, UnderflowIsNotAFailure) {
    EXPECT_EQ(press("800 +/- INV LN"), "0");
    EXPECT_EQ(press("400 +/- INV LOG"), "0");
    EXPECT_EQ(press("0.5 Y^X 2000 ="), "0");
    EXPECT_EQ(press("700 +/- HYP TAN"), "-1");
}

TEST_F(Calculator, Memories) {
    press("STO");  // empty display stores 0 in the first entry
    EXPECT_EQ(engine.memories()[0], "001 : 0");
    press("5 STO 3 STO+");
    EXPECT_EQ(engine.memories()[0], "001 : 8");
    EXPECT_EQ(press("CLX RCL"), "8");
    EXPECT_TRUE(engine.state().entryActive);
    EXPECT_EQ(press("1"), "81");           // a recalled value is typed on
    EXPECT_EQ(press("STO RCL 2"), "812");  // also when the display already showed it
    EXPECT_EQ(press("CLX 8 STO"), "8");

    press("CLR");  // nothing selected: nothing cleared
    EXPECT_EQ(engine.memories()[0], "001 : 8");

    selected = 11;
    press("CLX 2.5 STO 1 STO+");
    EXPECT_EQ(engine.memories()[11], "012 : 3.5");
    press("CLR");
    EXPECT_EQ(engine.memories()[11], "012 : 0");
    EXPECT_EQ(engine.memories()[0], "001 : 8");

    selected = 99;
    press("7 STO");
    EXPECT_EQ(engine.memories()[99], "100 : 7");
    engine.resetMemories();
    EXPECT_EQ(engine.memories()[99], "100 : 0");
    EXPECT_EQ(engine.memories()[0], "001 : 0");
}

TEST_F(Calculator, ARecalledPiIsTheDigitsStored) {
    EXPECT_EQ(press("Pi SIN"), "1.22464679914735E-16");
    EXPECT_EQ(press("Pi STO RCL SIN"), "3.23108914886517E-15");  // sin(3.14159265358979)
}

TEST_F(Calculator, MemoriesHoldFormattedText) {
    useFormat("Currency");
    press("1234.5 STO");
    EXPECT_EQ(engine.memories()[0], "001 : $1,234.50");
    press("2 STO+");  // the stored text reads as 0
    EXPECT_EQ(engine.memories()[0], "001 : $2.00");
    EXPECT_EQ(press("RCL"), "$2.00");  // recalled as stored
}

TEST_F(Calculator, StorePlusBeyondTheDoubleRangeKeepsTheMemory) {
    const InputRequest ask{"Enter exponent ", "Input", "D+000"};
    dialogs.expectInput(ask, "D+308");
    press("1.5 EEX STO");
    dialogs.expectInput(ask, "D+308");
    dialogs.expectError("Error in STO+ function");
    press("1.5 EEX STO+");
    EXPECT_EQ(engine.memories()[0], "001 : 1.5E+308");
    expectCleared();

    dialogs.expectInput(ask, "D+999");
    dialogs.expectError("Error in STO function");
    press("1 EEX STO");
    EXPECT_EQ(engine.memories()[0], "001 : 1.5E+308");
}

TEST(CalculatorFunctions, UnknownNamesAndOperatorsLeaveTheValue) {
    EXPECT_EQ(applyFunction("Cot", 2.5, 1), 2.5);
    EXPECT_EQ(applyOperator(" ", 3, 4), 4);
    EXPECT_EQ(applyFunction("arcsin", 0.5, 1), applyFunction("ARCSIN", 0.5, 1));
    EXPECT_EQ(applyOperator("y^x", 2, 10), 1024);
    EXPECT_EQ(applyOperator("*", 1e-200, 1e-200), 0);
    EXPECT_EQ(applyOperator("*", 1e200, 1e200), std::nullopt);
    EXPECT_EQ(applyOperator("/", 0, 0), std::nullopt);
    EXPECT_EQ(applyOperator("Y^X", 8, -1.0 / 3), 0.5);
    EXPECT_EQ(applyOperator("Y^X", -2, 3), -8);
    EXPECT_EQ(applyOperator("Y^X", 0, 0), 1);
}

}  // namespace
}  // namespace coinwell::calculator
