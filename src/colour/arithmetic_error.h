#pragma once

#include <stdexcept>
#include <string>

namespace vexa {

// A floating-point failure of a computation. The text is what the user sees.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static ArithmeticError divisionByZero() { return ArithmeticError("Floating point division by zero"); }
    static ArithmeticError invalidOperation() { return ArithmeticError("Invalid floating point operation"); }
    static ArithmeticError overflow() { return ArithmeticError("Floating point overflow"); }
};

} // namespace vexa
