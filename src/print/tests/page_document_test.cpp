#include "print/core/page_document.h"

#include <gtest/gtest.h>

#include "print/core/print_panel_settings.h"

namespace coinwell::print {
namespace {

// With the fixed-pitch measurer a character at size 10 is 100 twips wide and a line 230 high.
class PageDocumentTest : public ::testing::Test {
  protected:
    PageDocumentTest() : doc(measurer) {
        FontSpec font;
        font.size = 10;
        doc.setFont(font);
    }

    const TextItem& textAt(int page, std::size_t index) const {
        return std::get<TextItem>(doc.pages().at(static_cast<std::size_t>(page)).items.at(index));
    }

    FixedPitchMeasurer measurer;
    PageDocument doc;
};

TEST_F(PageDocumentTest, PaperFollowsTheOrientation) {
    EXPECT_EQ(doc.pageWidth(), 12240);
    EXPECT_EQ(doc.pageHeight(), 15840);
    doc.setOrientation(Orientation::Landscape);
    EXPECT_EQ(doc.pageWidth(), 15840);
    EXPECT_EQ(doc.pageHeight(), 12240);
    doc.startDocument();
    EXPECT_EQ(doc.pages().front().width, 15840);
    EXPECT_EQ(doc.pages().front().height, 12240);
}

TEST_F(PageDocumentTest, ParagraphsStartAtTheMarginsAndMoveDownALine) {
    doc.setMargins({1000, 500, 1000, 500});
    doc.startDocument();
    EXPECT_EQ(doc.currentX(), 1000);
    EXPECT_EQ(doc.currentY(), 500);
    doc.printParagraph("Total");
    doc.printParagraph("");
    doc.setCurrentX(3000);
    doc.printParagraph("Balance");
    ASSERT_EQ(doc.pages().size(), 1u);
    ASSERT_EQ(doc.pages()[0].items.size(), 2u);
    EXPECT_EQ(textAt(0, 0).x, 1000);
    EXPECT_EQ(textAt(0, 0).y, 500);
    EXPECT_EQ(textAt(0, 0).width, 500);
    EXPECT_EQ(textAt(0, 1).x, 3000);
    EXPECT_EQ(textAt(0, 1).y, 500 + 2 * 230);
    EXPECT_EQ(doc.currentX(), 1000);
    EXPECT_EQ(doc.currentY(), 500 + 3 * 230);
}

TEST_F(PageDocumentTest, LongParagraphsWrapInsideMarginsAndIndents) {
    // 12240 wide, margins 0, indents 400 and 7840: room for exactly 40 characters a line.
    doc.setIndents(400, 7840);
    doc.startDocument();
    doc.setCurrentX(400);
    doc.printParagraph("Loan Length in Years will show a Monthly Payment for 12 months a year.");
    const std::vector<std::string> lines = pageTexts(doc.pages()[0]);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Loan Length in Years will show a Monthly");
    EXPECT_EQ(lines[1], "Payment for 12 months a year.");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(textAt(0, i).x, 400);
        EXPECT_LE(textAt(0, i).x + textAt(0, i).width, 12240 - 7840);
    }
}

TEST_F(PageDocumentTest, LineBreaksInAParagraphStartNewLines) {
    doc.setIndents(200, 200);
    doc.startDocument();
    doc.printParagraph("Title:\rFirst\r\nSecond\nThird\r\rAfter an empty line");
    const std::vector<std::string> lines = pageTexts(doc.pages()[0]);
    EXPECT_EQ(lines, (std::vector<std::string>{"Title:", "First", "Second", "Third",
                                               "After an empty line"}));
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(textAt(0, i).x, 200);
        EXPECT_EQ(textAt(0, i).y, static_cast<int>(i) * 230);
    }
    EXPECT_EQ(textAt(0, 4).y, 5 * 230);
    EXPECT_EQ(doc.currentY(), 6 * 230);
}

TEST_F(PageDocumentTest, ColumnsOnOneLineAlignByCentreLeftAndRight) {
    doc.startDocument();
    doc.setCurrentY(200);
    doc.printCentred(6000, "abcd");
    doc.printAt(75, "Item");
    doc.printRightAligned(9000, "12.50");
    doc.newLine();
    EXPECT_EQ(textAt(0, 0).x, 5800);
    EXPECT_EQ(textAt(0, 1).x, 75);
    EXPECT_EQ(textAt(0, 2).x, 8500);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(textAt(0, static_cast<std::size_t>(i)).y, 200);
    }
    EXPECT_EQ(doc.currentY(), 430);
}

TEST_F(PageDocumentTest, PrintTextAdvancesAlongTheLine) {
    doc.startDocument();
    doc.printText("ab");
    doc.printText("c");
    EXPECT_EQ(textAt(0, 1).x, 200);
    EXPECT_EQ(doc.currentX(), 300);
    EXPECT_EQ(doc.currentY(), 0);
}

TEST_F(PageDocumentTest, LineSpacingAndSpaceAfterWidenTheLines) {
    doc.setSpaceAfter(30);
    EXPECT_EQ(doc.lineHeight(), 260);
    doc.setLineSpacing(200);
    EXPECT_EQ(doc.lineHeight(), 490);
}

TEST_F(PageDocumentTest, NewPagesAndOverflowingLinesStartAtTheTopMargin) {
    doc.setMargins({0, 300, 0, 300});
    doc.startDocument();
    doc.setCurrentY(15840 - 300 - 100);
    doc.printParagraph("runs over");
    ASSERT_EQ(doc.pageNumber(), 2);
    EXPECT_TRUE(doc.pages()[0].items.empty());
    EXPECT_EQ(textAt(1, 0).y, 300);
    EXPECT_EQ(doc.pages()[1].number, 2);
    doc.newPage();
    EXPECT_EQ(doc.pageNumber(), 3);
    EXPECT_EQ(doc.currentY(), 300);
    doc.startDocument();
    EXPECT_EQ(doc.pageNumber(), 1);
}

TEST_F(PageDocumentTest, ItemsCarryFontColoursAndRules) {
    doc.setTextColor(0x0000FF);
    doc.setLineColor(0x00FF00);
    doc.setBold(true);
    doc.setUnderline(true);
    doc.startDocument();
    doc.printParagraph("red");
    doc.horizontalRule(10, 12230, 500);
    doc.verticalRule(10, 500, 900);
    doc.drawPicture("Chartxxx.jpg", 518, 1210, 10512, 5976);
    const auto& items = doc.pages()[0].items;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(textAt(0, 0).color, 0x0000FFu);
    EXPECT_TRUE(textAt(0, 0).font.bold);
    EXPECT_TRUE(textAt(0, 0).font.underline);
    EXPECT_EQ(textAt(0, 0).ascent, 180);
    const auto& horizontal = std::get<RuleItem>(items[1]);
    EXPECT_EQ(horizontal.color, 0x00FF00u);
    EXPECT_EQ(horizontal.y1, 500);
    EXPECT_EQ(horizontal.y2, 500);
    const auto& vertical = std::get<RuleItem>(items[2]);
    EXPECT_EQ(vertical.x1, 10);
    EXPECT_EQ(vertical.y2, 900);
    const auto& picture = std::get<PictureItem>(items[3]);
    EXPECT_EQ(picture.file, "Chartxxx.jpg");
    EXPECT_EQ(picture.width, 10512);
}

// 76 letters at size s are 760 s twips wide: 16 fits Letter's 12240, 17 does not.
TEST_F(PageDocumentTest, AutoSizeFindsTheLargestWholeSizeThatFitsAndKeepsIt) {
    PrintPanelSettings settings;
    doc.setMargins({720, 720, 720, 720});
    int yields = 0;
    EXPECT_EQ(autoSizeFont(doc, settings, 76, [&] { ++yields; }), 16);
    EXPECT_EQ(settings.fontSize, 16);
    EXPECT_EQ(doc.margins(), Margins{});
    EXPECT_EQ(yields, 4);  // up to 15, 16, 17, then back to 16
    EXPECT_EQ(autoSizeFont(doc, settings, 76), 16);

    settings.fontSize = 40;
    EXPECT_EQ(autoSizeFont(doc, settings, 76), 16);
    settings.fontSize = 14.5f;
    EXPECT_EQ(autoSizeFont(doc, settings, 76), 16);

    // 78 letters on the Budget screen; a landscape page takes a larger size.
    settings.fontSize = 14;
    EXPECT_EQ(autoSizeFont(doc, settings, autoSizeLetters(PrintingScreen::Budget)), 15);
    doc.setOrientation(Orientation::Landscape);
    EXPECT_EQ(autoSizeFont(doc, settings, 76), 20);
}

TEST(PrintPanelSettingsTest, OpeningResetsTheFontButKeepsEffectsAndColour) {
    PrintPanelSettings settings;
    settings.fontName = "Arial";
    settings.fontSize = 9;
    settings.bold = settings.italic = settings.underline = settings.strikethrough = true;
    settings.color = 0x123456;
    settings.resetForOpening();
    EXPECT_EQ(settings.font(), (FontSpec{"Times New Roman", 14, false, false, true, true}));
    EXPECT_EQ(settings.color, 0x123456u);
    settings.resetForScreenLoad(0xFF);
    EXPECT_FALSE(settings.underline);
    EXPECT_FALSE(settings.strikethrough);
    EXPECT_EQ(settings.color, 0xFFu);

    // The Home Calculator takes only its grid's colour; the other screens clear the effects too.
    settings.underline = settings.strikethrough = true;
    settings.resetForScreenLoad(PrintingScreen::HomeCalculator, 0xAB);
    EXPECT_TRUE(settings.underline);
    EXPECT_TRUE(settings.strikethrough);
    EXPECT_EQ(settings.color, 0xABu);
    for (PrintingScreen screen :
         {PrintingScreen::Loan, PrintingScreen::Budget, PrintingScreen::Actuarial}) {
        settings.underline = settings.strikethrough = true;
        settings.resetForScreenLoad(screen, 0xCD);
        EXPECT_FALSE(settings.underline);
        EXPECT_FALSE(settings.strikethrough);
        EXPECT_EQ(settings.color, 0xCDu);
    }
}

}  // namespace
}  // namespace coinwell::print
