#include "homecalc/core/home_report.h"

#include "common/core/format_number.h"
#include "homecalc/core/home_texts.h"

namespace coinwell::homecalc {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLfCr = "\n\r";
constexpr char kTab = '\t';

// Caption, padding, a tab and the value.
std::string entry(std::string_view caption, std::size_t padding, std::string_view value) {
    std::string line(caption);
    line.append(padding, ' ');
    line += kTab;
    line += value;
    return line;
}

std::string currency(std::string_view shown) {
    return formatNumber(shown, "Currency");
}

}  // namespace

HomeResultTexts resultTexts(const AffordabilityResult& result) {
    HomeResultTexts texts;
    texts.homePrice = formatNumber(result.homePrice, "Currency");
    texts.housingPayment = formatNumber(result.housingPayment, "Currency");
    texts.loanAmount = formatNumber(result.loanAmount, "Currency");
    texts.downPayment = formatNumber(result.downPayment, "Currency");
    texts.closingCosts = formatNumber(result.closingCosts, "Currency");
    texts.downPercent = formatNumber(result.downPercent, "Percent");
    texts.limitingFactor = std::string(limitingFactorText(result.limitingFactor));
    return texts;
}

std::string homeReportText(const HomeReportSource& source, const DateTime& today) {
    const HomeBoxTexts& boxes = source.boxes;
    const HomeResultTexts& results = source.results;
    std::string text;
    const auto line = [&text](std::string_view content, std::string_view ending) {
        text += content;
        text += ending;
    };
    line("Home Calculator Results", kCrLf);
    line("As of  " + formatDate(today, "Long Date"), kLfCr);
    line("Input Section", kLfCr);
    line(entry(kIncomeCaption, 0, currency(boxes.income)), kCrLf);
    line(entry(kDebtCaption.substr(0, 60), 12, currency(boxes.debt)), kCrLf);
    line(entry(kCashCaption.substr(0, 48), 30, currency(boxes.cash)), kCrLf);
    line(entry(kLoanLengthCaption, 0, boxes.years), kCrLf);
    line(entry(kRateCaption, 10, formatNumber(boxValue(boxes.rate) / 100, "Percent")), kLfCr);
    line("Calculation Results", kLfCr);
    line(entry(kResultCaptions[0], 0, currency(results.homePrice)), kCrLf);
    line(entry(kResultCaptions[1], 0, currency(results.housingPayment)), kCrLf);
    line(entry(kResultCaptions[2], 25, currency(results.loanAmount)), kCrLf);
    line(entry(kResultCaptions[3], 30, currency(results.downPayment)), kCrLf);
    line(entry(kResultCaptions[4], 30, currency(results.closingCosts)), kCrLf);
    line(entry(kResultCaptions[5], 30, results.downPercent), kLfCr);
    line(entry(kLimitingFactorCaption, 0, results.limitingFactor), {});
    return text;
}

MessageRequest homeCopiedMessage() {
    return {"Data has been copied to the Windows Clipboard.", "Copy Option",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

void copyHomeReport(Dialogs& dialogs, const HomeReportSource& source, const DateTime& today) {
    dialogs.setClipboardText(homeReportText(source, today));
    dialogs.message(homeCopiedMessage());
}

}  // namespace coinwell::homecalc
