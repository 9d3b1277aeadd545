#pragma once
// The captions of the Home Calculator screen, which its report also quotes.

#include <array>
#include <string_view>

namespace coinwell::homecalc {

inline constexpr std::string_view kInputSectionCaption = " Input Section:";          // SSPanel3
inline constexpr std::string_view kResultsSectionCaption = " Calculation Results:";  // SSPanel1

inline constexpr std::string_view kIncomeCaption =  // lblPurchTotl
    "Estimated Gross (pre-tax) Annual Income from all possible sources:";
inline constexpr std::string_view kDebtCaption =  // Label5
    "Minimum Monthly Debt for Credit Cards, Loans, Alimony, etc... (Not including Current "
    "Mortgage):";
inline constexpr std::string_view kCashCaption =  // Label2
    "Cash available for down payment and other fees:  (Savings, gifts, sale of current home, "
    "etc.)";
inline constexpr std::string_view kLoanLengthCaption = "Loan Length in Years:";  // Label11
inline constexpr std::string_view kRateCaption = "Fixed Interest Rate:";         // Label12
inline constexpr std::string_view kPercentSign = "%";                            // Label13
inline constexpr std::string_view kLimitCaption =                                // Label14
    "If you have a limit on your Monthly Mortgage Payment. Limit I can afford per Month:";

// lblLen(0) ... lblLen(5), beside Label3, Label6, Label7, Label8, Label9 and Label10.
inline constexpr std::array<std::string_view, 6> kResultCaptions = {
    "Approximate Amount of Home You Can Afford:",
    "Approx. Monthly Loan Payment + Taxes + Ins.:",
    "Approximate Amount of Loan:",
    "Amount of Down Payment:",
    "Estimated Closing Costs:",
    "Down Payment Percent (%):"};
inline constexpr std::string_view kLimitingFactorCaption = "Limiting Factor:";  // Label15

inline constexpr std::string_view kLoanLengthNote =  // Label1
    "Loan Length in Years will show a Monthly Payment for 12 months a year.";

// The items of the loan length list, in order; the first is chosen when the screen opens.
inline constexpr std::array<std::string_view, 2> kLoanLengthItems = {"30", "15"};

}  // namespace coinwell::homecalc
