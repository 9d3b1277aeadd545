#pragma once
// The print options panel's settings, shared by every screen that prints for the whole run, and
// the panel's computations that need no widget: the automatic font size and the per-screen
// values.

#include <functional>
#include <string>

#include "print/core/page_document.h"

namespace coinwell::print {

// The screens that print through the panel.
enum class PrintingScreen { Loan, Budget, Actuarial, HomeCalculator };

// Number of letters "n" that Auto Size fits across the page.
int autoSizeLetters(PrintingScreen screen);
// Help topic while the panel shows.
inline constexpr int kPrintPanelHelpTopic = 1014;

struct PrintPanelSettings {
    std::string fontName = "Times New Roman";
    float fontSize = 14;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    ColorNumber color = 0;
    int normalPreviewWidth = 0;  // twips, taken at each screen activation
    int normalPreviewLeft = 0;

    // Opening the panel: Times New Roman 14, neither bold nor italic.
    void resetForOpening();
    // The Loan, Budget or Actuarial screen loads: no underline or strikethrough, the text colour
    // of its grid.
    void resetForScreenLoad(ColorNumber textColor);
    // A printing screen loads: the text colour of its grid; the Home Calculator keeps the
    // underline and strikethrough the other screens left, the others clear them.
    void resetForScreenLoad(PrintingScreen screen, ColorNumber textColor);
    FontSpec font() const;
};

// The one set of panel settings of the run.
PrintPanelSettings& runPrintPanelSettings();

// A screen's print routine: lays its document out into doc, which arrives cleared, with the
// paper and orientation of the printer set up. It starts and ends the document itself.
using RebuildDocument = std::function<void(PageDocument& doc, const PrintPanelSettings& settings)>;

// Finds the largest font size at which a line of `letters` letters "n" fits across the page:
// margins to 0, then steps of 1 point down while the line is wider than the page, or up while
// it is narrower, twice over (so a size that overshot while growing comes back down), starting
// from the whole part of the size in force, and finally down until the line fits; stores the result
// in settings.fontSize and returns it. yield runs after each step. The rest of the settings' font
// is measured as it stands.
float autoSizeFont(PageDocument& doc, PrintPanelSettings& settings, int letters,
                   const std::function<void()>& yield = {});

}  // namespace coinwell::print
