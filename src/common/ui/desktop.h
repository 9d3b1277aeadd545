#pragma once
// Everything a screen reaches outside itself: the questions of Dialogs plus the clipboard picture,
// the printer dialogs, the help viewer and the web site. Screens hold a Desktop&; the program
// passes QtDesktop, tests a ScriptedDesktop that answers from a script and records every request.

#include "common/core/dialogs.h"

class QImage;
class QPrinter;

namespace coinwell {

class Desktop : public Dialogs {
  public:
    virtual void setClipboardImage(const QImage& picture) = 0;
    // Plain text and, beside it, the same content as an HTML document (UTF-8), for programs that
    // paste a table as cells; a plain-text editor still pastes the text.
    virtual void setClipboardTextAndHtml(const std::string& text, const std::string& html) = 0;
    // The print dialog (which also offers printing to a PDF file); false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // The page setup dialog; false when cancelled.
    virtual bool choosePageSetup(QPrinter& printer) = 0;
    // Opens the program's help at a topic number; a missing help file is not reported.
    virtual void showHelpTopic(int topic) = 0;
    // Opens the project's home page through the desktop.
    virtual void openWebSite() = 0;
};

}  // namespace coinwell
