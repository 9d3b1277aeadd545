// Laying out the longest amortization schedule as pages, and painting one page the way the
// preview and the clipboard picture do.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include "loan/core/amortization.h"
#include "loan/core/loan_print_document.h"
#include "loan/core/payment_table.h"
#include "print/ui/page_renderer.h"
#include "print/ui/qt_text_measurer.h"

using namespace coinwell;

namespace {

void ensureApplication() {
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "print_bench";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// The schedule of a 100-year loan: 1200 payments, as the grid shows it.
const loan::LoanOutputSource& longSchedule() {
    static const loan::LoanOutputSource source = [] {
        loan::LoanOutputSource s;
        loan::LoanInputs inputs;
        inputs.purchaseAmount = 350000;
        inputs.loanAmount = 350000;
        inputs.lengthMin = inputs.lengthMax = 100;
        inputs.rateMin = inputs.rateMax = 6.5;
        const loan::PaymentTable table = loan::buildPaymentTable(inputs);
        const loan::AmortizationSchedule schedule =
            loan::buildSchedule(table, 1, 1, inputs.loanAmount, loan::LengthUnit::Years);
        const int rows = loan::scheduleGridRows(schedule);
        s.grid.cells.resize(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < loan::kScheduleGridColumns; ++c) {
                s.grid.cells[r].push_back(loan::scheduleCellText(schedule, r, c));
            }
        }
        s.inputs = inputs;
        s.purchaseText = "350000";
        s.rateText = schedule.rateText;
        s.totalInterest = schedule.totalInterest;
        s.payment = schedule.payment;
        return s;
    }();
    return source;
}

void layoutWith(benchmark::State& state, const print::TextMeasurer& measurer) {
    const loan::LoanOutputSource& source = longSchedule();
    print::PrintPanelSettings settings;
    std::size_t pages = 0;
    for (auto _ : state) {
        print::PageDocument doc(measurer);
        loan::layoutLoanDocument(doc, settings, source, SelectionBlock{});
        pages = doc.pages().size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
}

// Target: 20 ms.
void BM_LayoutSchedule1200_RealFonts(benchmark::State& state) {
    ensureApplication();
    print::QtTextMeasurer measurer;
    layoutWith(state, measurer);
}
BENCHMARK(BM_LayoutSchedule1200_RealFonts)->Unit(benchmark::kMillisecond);

void BM_LayoutSchedule1200_FixedPitch(benchmark::State& state) {
    print::FixedPitchMeasurer measurer;
    layoutWith(state, measurer);
}
BENCHMARK(BM_LayoutSchedule1200_FixedPitch)->Unit(benchmark::kMillisecond);

const print::Page& fullPage() {
    static const print::Page page = [] {
        ensureApplication();
        static print::QtTextMeasurer measurer;
        print::PageDocument doc(measurer);
        loan::layoutLoanDocument(doc, print::PrintPanelSettings{}, longSchedule(),
                                 SelectionBlock{});
        return doc.pages().at(1);
    }();
    return page;
}

// Target: 30 ms. The preview records each page at the printer's resolution (1200 dpi) into a
// picture and draws it at the zoom; the clipboard picture paints at 150 dpi.
void BM_RenderPreviewPage_Record1200dpi(benchmark::State& state) {
    const print::Page& page = fullPage();
    for (auto _ : state) {
        QPicture picture;
        QPainter painter(&picture);
        print::paintPage(painter, page, 1200, {true});
        painter.end();
        benchmark::DoNotOptimize(picture.size());
    }
}
BENCHMARK(BM_RenderPreviewPage_Record1200dpi)->Unit(benchmark::kMillisecond);

void BM_RenderPreviewPage_Image96dpi(benchmark::State& state) {
    const print::Page& page = fullPage();
    for (auto _ : state) {
        QImage image = print::pageImage(page, 96, {true});
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_RenderPreviewPage_Image96dpi)->Unit(benchmark::kMillisecond);

void BM_RenderPreviewPage_Image150dpi(benchmark::State& state) {
    const print::Page& page = fullPage();
    for (auto _ : state) {
        QImage image = print::pageImage(page, 150);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_RenderPreviewPage_Image150dpi)->Unit(benchmark::kMillisecond);

}  // namespace
