#pragma once
// The arithmetic of the calculator keys: the two-operand operators and the one-argument
// functions, each computed by its own formula in double precision. A failed computation
// (division by zero, a root or logarithm outside its domain, an invalid power, a result beyond
// the double range) gives nothing; a result too small to hold is zero and not a failure.

#include <optional>
#include <string>
#include <string_view>

namespace coinwell::calculator {

// pi as the calculator computes it: 4 x arctan(1).
double calculatorPi();

// Upper-case letters of a key name ("ArcSin" -> "ARCSIN").
std::string upperName(std::string_view name);

// left op right for "+", "-", "*", "/", "Y^X" and "Y^1/X" (letter case ignored). Any other
// operator gives right unchanged.
std::optional<double> applyOperator(std::string_view op, double left, double right);

// The function of the given name (letter case ignored): SIN, COS, TAN, ARCSIN, ARCCOS, ARCTAN,
// SINH, COSH, TANH, ARCSINH, ARCCOSH, ARCTANH, LN, LOG, EXP, 10^X, SQRT, X^2, X^3, CUBEROOT,
// 1/X. angleFactor multiplies the argument of SIN, COS and TAN and divides the result of the
// inverse functions (pi/180 in degrees, 1 in radians). Any other name gives x unchanged.
std::optional<double> applyFunction(std::string_view name, double x, double angleFactor);

}  // namespace coinwell::calculator
