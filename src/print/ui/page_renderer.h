#pragma once
// The one way page documents reach paint devices: the preview, the printer, a PDF file and a
// page picture for the clipboard all go through paintPage.

#include <QImage>
#include <functional>
#include <vector>

#include "print/core/page_document.h"

class QPainter;
class QPrinter;

namespace coinwell::print {

struct RenderOptions {
    // Dashed lines along the page margins; for the preview only, never on paper.
    bool guideLines = false;
};

// Paints the page with the painter's origin at the paper's top-left corner, scaled from twips
// to a device of dotsPerInch.
void paintPage(QPainter& painter, const Page& page, double dotsPerInch,
               const RenderOptions& options = {});

// Paints every page on the printer (set to full-page mode), starting a new sheet between pages.
// beforePage(index, count) runs before each page; returning false stops, aborts the printer and
// makes printPages return false.
bool printPages(QPrinter& printer, const std::vector<Page>& pages,
                const std::function<bool(int index, int count)>& beforePage = {},
                const RenderOptions& options = {});

// A picture of the page on white paper at the given resolution.
QImage pageImage(const Page& page, double dotsPerInch, const RenderOptions& options = {});

}  // namespace coinwell::print
