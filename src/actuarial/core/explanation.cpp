#include "actuarial/core/explanation.h"

#include "common/core/format_number.h"

namespace coinwell::actuarial {

std::string_view kindButtonCaption(ValueTableKind kind) {
    switch (kind) {
        case ValueTableKind::PresentValueOfAmount:
            return "&Present Value of Amount";
        case ValueTableKind::PresentValueOfAnnuity:
            return "Present Value of &Annuity";
        case ValueTableKind::FutureValueOfAmount:
            return "&Future Value of Amount";
        case ValueTableKind::FutureValueOfAnnuity:
            break;
    }
    return "Future &Value of Annuity";
}

std::string_view kindTitle(ValueTableKind kind) {
    switch (kind) {
        case ValueTableKind::PresentValueOfAmount:
            return "Present Value of an Amount:";
        case ValueTableKind::PresentValueOfAnnuity:
            return "Present Value of an Annuity:";
        case ValueTableKind::FutureValueOfAmount:
            return "Future Value of an Amount:";
        case ValueTableKind::FutureValueOfAnnuity:
            break;
    }
    return "Future Value of an Annuity:";
}

std::string explanationText(ValueTableKind kind, std::string_view amountText,
                            std::string_view perYearText) {
    const std::string amount = formatNumber(amountText, "Currency");
    const std::string perYear(perYearText);
    std::string sentence;
    switch (kind) {
        case ValueTableKind::PresentValueOfAmount:
            sentence =
                "Amount(s) shown are what you need to put into a savings account now at interest "
                "rate(s) shown in the left column and interest is paid (compounded) " +
                perYear + " time(s) a year, to reach the amount entered of " + amount +
                " in the years shown.";
            break;
        case ValueTableKind::PresentValueOfAnnuity:
            sentence = "The amount you need in a savings account now to receive a payment of " +
                       amount + "  " + perYear +
                       " time(s) a year for the number of years specified in the Top Column at "
                       "interest rate(s) shown in the left column.";
            break;
        case ValueTableKind::FutureValueOfAmount:
            sentence = "Amount(s) show the future value if you put one lump sum of " + amount +
                       " into a savings account now at interest rate(s) shown in the left column "
                       "and Interest was compounded " +
                       perYear + " time(s) a year.";
            break;
        case ValueTableKind::FutureValueOfAnnuity:
            sentence = "Amount(s) show the future value if you put a sum of " + amount +
                       " into a savings account " + perYear +
                       " time(s) a year for the number years shown at the interest rate(s) shown "
                       "in the left column.";
            break;
    }
    return std::string(kindTitle(kind)) + '\r' + sentence;
}

}  // namespace coinwell::actuarial
