// The Loan Calculator's work: the whole payment table of 397 rates by 600 lengths, the same
// table shown end to end (checks, build, grid reset and the first paint), a 1200-payment
// schedule, a 600-payment schedule with extra payments, and Apply on the extra payments panel
// end to end.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

#include "common/ui/app_context.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "loan/core/amortization.h"
#include "loan/core/extra_payments.h"
#include "loan/core/payment_table.h"
#include "loan/ui/loan_sheet.h"
#include "support/bench_application.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::loan;

namespace {

// Rates 0.25 % to 99.25 % (397 rows) by 1 to 600 months.
LoanInputs largestRequest() {
    LoanInputs in;
    in.purchaseAmount = 250000;
    in.loanAmount = 250000;
    in.rateMin = 0.25;
    in.rateMax = 99.25;
    in.lengthMin = 1;
    in.lengthMax = 600;
    in.lengthUnit = LengthUnit::Months;
    return in;
}

void BuildPaymentTable397x600(benchmark::State& state) {
    for (auto _ : state) {
        LoanInputs in = largestRequest();
        PaymentTable table = buildPaymentTable(in);
        benchmark::DoNotOptimize(table.payments.data());
    }
}
BENCHMARK(BuildPaymentTable397x600)->Unit(benchmark::kMillisecond);

void BuildSchedule1200Payments(benchmark::State& state) {
    LoanInputs in;
    in.loanAmount = 250000;
    in.rateMin = in.rateMax = 6.5;
    in.lengthMin = in.lengthMax = 1200;
    in.lengthUnit = LengthUnit::Months;
    const PaymentTable table = buildPaymentTable(in);
    for (auto _ : state) {
        AmortizationSchedule schedule = buildSchedule(table, 1, 1, 250000, LengthUnit::Months);
        benchmark::DoNotOptimize(schedule.balance.data());
    }
}
BENCHMARK(BuildSchedule1200Payments)->Unit(benchmark::kMicrosecond);

// 600 payments with an extra of 25 with every one: the schedule runs to the end.
void BuildExtraSchedule600Payments(benchmark::State& state) {
    LoanInputs in;
    in.loanAmount = 250000;
    in.rateMin = in.rateMax = 6.5;
    in.lengthMin = in.lengthMax = 600;
    in.lengthUnit = LengthUnit::Months;
    const AmortizationSchedule plain =
        buildSchedule(buildPaymentTable(in), 1, 1, 250000, LengthUnit::Months);
    ExtraPayments extras;
    extras.monthly = 0.01;
    extras.yearly = 100;
    for (auto _ : state) {
        AmortizationSchedule schedule = buildExtraSchedule(plain, extras);
        benchmark::DoNotOptimize(schedule.balance.data());
    }
    if (buildExtraSchedule(plain, extras).count < 500) {
        state.SkipWithError("the schedule ended too soon to measure 600 payments");
    }
}
BENCHMARK(BuildExtraSchedule600Payments)->Unit(benchmark::kMicrosecond);

// Show Payments pressed on the screen: the checks, the table, the grid reset and its first paint.
void ShowPaymentsEndToEnd397x600(benchmark::State& state) {
    ensureApplication();
    QTemporaryDir folder;
    chooseProgramFolder(
        {QStringLiteral("loan_bench"), QStringLiteral("--data-dir=") + folder.path()});
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow mainScreen;
    mainScreen.resize(800, 600);
    auto* sheet = new LoanSheet(context, &mainScreen);
    sheet->present();
    sheet->activate();
    QApplication::processEvents();
    sheet->setLengthUnit(LengthUnit::Months);
    sheet->findChild<QLineEdit*>(QStringLiteral("txtPurchTotl"))->setText(QStringLiteral("250000"));
    sheet->findChild<QLineEdit*>(QStringLiteral("txtLenMin"))->setText(QStringLiteral("1"));
    sheet->findChild<QLineEdit*>(QStringLiteral("txtLenMax"))->setText(QStringLiteral("600"));
    sheet->findChild<QComboBox*>(QStringLiteral("comIntrMin"))->setEditText(QStringLiteral("0.25"));
    sheet->findChild<QComboBox*>(QStringLiteral("comIntrMax"))
        ->setEditText(QStringLiteral("99.25"));

    for (auto _ : state) {
        sheet->showPayments();
        QPixmap painted = sheet->grid()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (!sheet->paymentTable() || sheet->paymentTable()->rateRows() != 397 ||
        sheet->paymentTable()->lengthColumns() != 600) {
        state.SkipWithError("the table was not built");
    }
    sheet->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(ShowPaymentsEndToEnd397x600)->Unit(benchmark::kMillisecond);

// Apply on the extra payments panel of a 600-payment schedule: the check, the schedule, the grid
// refilled with six columns and its first paint.
void ApplyExtraPaymentsEndToEnd600(benchmark::State& state) {
    ensureApplication();
    QTemporaryDir folder;
    chooseProgramFolder(
        {QStringLiteral("loan_bench"), QStringLiteral("--data-dir=") + folder.path()});
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow mainScreen;
    mainScreen.resize(800, 600);
    auto* sheet = new LoanSheet(context, &mainScreen);
    sheet->present();
    sheet->activate();
    QApplication::processEvents();
    sheet->setLengthUnit(LengthUnit::Months);
    sheet->findChild<QLineEdit*>(QStringLiteral("txtPurchTotl"))->setText(QStringLiteral("250000"));
    sheet->findChild<QLineEdit*>(QStringLiteral("txtLenMax"))->setText(QStringLiteral("600"));
    sheet->findChild<QComboBox*>(QStringLiteral("comIntrMax"))->setEditText(QStringLiteral("6.50"));
    sheet->showPayments();
    sheet->showAmortization();
    sheet->openExtraPayments();
    sheet->findChild<QLineEdit*>(QStringLiteral("txtExtraMonthly"))->setText(QStringLiteral("5"));

    for (auto _ : state) {
        sheet->applyExtraPayments();
        QPixmap painted = sheet->grid()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (sheet->gridColumns() != 6 || !sheet->schedule() || sheet->schedule()->count < 500) {
        state.SkipWithError("the extra payments were not applied to a long schedule");
    }
    sheet->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(ApplyExtraPaymentsEndToEnd600)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
