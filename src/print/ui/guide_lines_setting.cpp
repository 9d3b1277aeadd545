#include "print/ui/guide_lines_setting.h"

#include <stdexcept>

#include "common/core/number_parse.h"
#include "common/core/number_text.h"
#include "common/core/settings_files.h"

namespace coinwell::print {

namespace {

GuideLinesScreen storedScreen(PrintingScreen screen) {
    switch (screen) {
        case PrintingScreen::Budget:
            return GuideLinesScreen::Budget;
        case PrintingScreen::Actuarial:
            return GuideLinesScreen::Actuarial;
        case PrintingScreen::HomeCalculator:
            return GuideLinesScreen::HomeCalculator;
        case PrintingScreen::Loan:
            break;
    }
    return GuideLinesScreen::Loan;
}

}  // namespace

int readGuideLinesChoice(PrintingScreen screen) {
    try {
        const std::optional<std::int16_t> choice =
            roundHalfEven16(parseLeadingNumber(readGuideLines(storedScreen(screen))));
        return choice == 1 ? 1 : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

void writeGuideLinesChoice(PrintingScreen screen, int choice) {
    writeGuideLines(storedScreen(screen),
                    plainNumberText(static_cast<std::int16_t>(choice == 1 ? 1 : 0)));
}

}  // namespace coinwell::print
