#include "calculator/core/calc_functions.h"

#include <cctype>
#include <cmath>

namespace coinwell::calculator {
namespace {

// Thrown inside a computation and turned into "no result" at its end.
struct Failed {};

double finite(double value) {
    if (!std::isfinite(value)) {
        throw Failed{};
    }
    return value;
}

double add(double a, double b) {
    return finite(a + b);
}
double sub(double a, double b) {
    return finite(a - b);
}
double mul(double a, double b) {
    return finite(a * b);
}

double div(double a, double b) {
    if (b == 0) {
        throw Failed{};
    }
    return finite(a / b);
}

double root(double a) {
    if (a < 0) {
        throw Failed{};
    }
    return std::sqrt(a);
}

double ln(double a) {
    if (a <= 0) {
        throw Failed{};
    }
    return std::log(a);
}

double expo(double a) {
    return finite(std::exp(a));
}

// a ^ b: a negative base needs a whole exponent, and zero takes no negative exponent.
double power(double a, double b) {
    if (a < 0 && b != std::trunc(b)) {
        throw Failed{};
    }
    if (a == 0 && b < 0) {
        throw Failed{};
    }
    return finite(std::pow(a, b));
}

double compute(const std::string& name, double x, double k) {
    if (name == "SIN") {
        return finite(std::sin(mul(x, k)));
    }
    if (name == "COS") {
        return finite(std::cos(mul(x, k)));
    }
    if (name == "TAN") {
        return finite(std::tan(mul(x, k)));
    }
    if (name == "ARCSIN") {
        return div(std::atan(div(x, root(sub(1, mul(x, x))))), k);
    }
    if (name == "ARCCOS") {
        return div(sub(2 * std::atan(1.0), std::atan(div(x, root(sub(1, mul(x, x)))))), k);
    }
    if (name == "ARCTAN") {
        return div(std::atan(x), k);
    }
    if (name == "SINH") {
        return div(sub(expo(x), expo(-x)), 2);
    }
    if (name == "COSH") {
        return div(add(expo(x), expo(-x)), 2);
    }
    if (name == "TANH") {
        const double e = expo(x);
        return div(sub(e, div(1, e)), add(e, div(1, e)));
    }
    if (name == "ARCSINH") {
        return ln(add(x, root(add(mul(x, x), 1))));
    }
    if (name == "ARCCOSH") {
        return ln(add(x, root(sub(mul(x, x), 1))));
    }
    if (name == "ARCTANH") {
        return div(ln(div(add(1, x), sub(1, x))), 2);
    }
    if (name == "LN") {
        return ln(x);
    }
    if (name == "LOG") {
        return div(ln(x), std::log(10.0));
    }
    if (name == "EXP") {
        return expo(x);
    }
    if (name == "10^X") {
        return power(10, x);
    }
    if (name == "SQRT") {
        return root(x);
    }
    if (name == "X^2") {
        return power(x, 2);
    }
    if (name == "X^3") {
        return power(x, 3);
    }
    if (name == "CUBEROOT") {
        return power(x, 1.0 / 3.0);
    }
    if (name == "1/X") {
        return div(1, x);
    }
    return x;
}

}  // namespace

double calculatorPi() {
    return 4 * std::atan(1.0);
}

std::string upperName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

std::optional<double> applyOperator(std::string_view op, double left, double right) {
    const std::string name = upperName(op);
    try {
        if (name == "+") {
            return add(left, right);
        }
        if (name == "-") {
            return sub(left, right);
        }
        if (name == "*") {
            return mul(left, right);
        }
        if (name == "/") {
            return div(left, right);
        }
        if (name == "Y^X") {
            return power(left, right);
        }
        if (name == "Y^1/X") {
            return power(left, div(1, right));
        }
        return right;
    } catch (const Failed&) {
        return std::nullopt;
    }
}

std::optional<double> applyFunction(std::string_view name, double x, double angleFactor) {
    try {
        return compute(upperName(name), x, angleFactor);
    } catch (const Failed&) {
        return std::nullopt;
    }
}

}  // namespace coinwell::calculator
