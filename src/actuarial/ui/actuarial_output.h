#pragma once
// The Actuarial Calculator's Copy and Print Options: reads the selected block of the grid and
// the boxes from the screen, puts the text on the clipboard, and lays the pages out in the print
// options panel over the screen.

#include "actuarial/core/value_table_copy.h"
#include "actuarial/core/value_table_print.h"
#include "print/ui/print_panel.h"

namespace coinwell::actuarial {

class ActuarialScreen;

class ActuarialOutput {
  public:
    explicit ActuarialOutput(ActuarialScreen& screen);

    // Edit > Copy and the popup's Copy.
    void copyToClipboard();
    // Options > Print Options and the popup's Print Options.
    void openPrintOptions();
    bool printPanelShown() const;
    // Esc while the print options panel is shown.
    void closePrintPanel();
    void panelColorChanged(const QColor& color);
    // Each activation of the screen.
    void activated();

    print::PrintPanel* panel() const { return panel_; }

    // The grid as the output reads it: the header row and the rows of the selection (up to the
    // first row without a rate), with the current cell and the other end of the selection.
    static GridView readGrid(const ActuarialScreen& screen);
    static ValueCopySource copySource(const ActuarialScreen& screen);
    static ValuePrintSource printSource(const ActuarialScreen& screen);

  private:
    ActuarialScreen& screen_;
    print::PrintPanel* panel_ = nullptr;
    ValuePrintSource printed_;
    SelectionBlock block_;
};

}  // namespace coinwell::actuarial
