#pragma once
// The Actuarial Calculator screen (Actua1): an amount or annuity payment, payments per year, a
// range of annual rates and a range of years in; a table of present or future values in the
// grid Grid1 and a sentence under it (Label1) that says what the numbers mean. The computation
// lives in actuarial/core; this screen reads the boxes and presents the results. Copy and Print
// Options are the ActuarialOutput's, which reads the screen through the accessors below.

#include <array>
#include <memory>
#include <string>

#include "actuarial/core/actuarial_inputs.h"
#include "actuarial/core/value_table.h"
#include "shell/ui/table_grid.h"
#include "shell/ui/tool_screen.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace coinwell::actuarial {

class ActuarialOutput;
class ValueGridModel;

class ActuarialScreen : public ToolScreen {
    Q_OBJECT
  public:
    ActuarialScreen(AppContext& context, QWidget* mainScreen);
    ~ActuarialScreen() override;

    // ---- the steps of the screen (also run by its controls) --------------------------------
    // Command1 … Command4: checks the boxes, then builds the table of that kind into the grid
    // and explains it in Label1.
    void showValueTable(ValueTableKind kind);
    // The checks run before a table is built: a message and the focus in the box at fault, or
    // the year and rate boxes put in order.
    bool validateActuarialInputs();

    // ---- what the output code and the tests read --------------------------------------------
    TableGrid* grid() const { return grid_; }
    // Cell texts exactly as the grid holds them (header row and first column included).
    std::string gridText(int row, int column) const;
    int gridRows() const;
    int gridColumns() const;
    // The current cell and the other end of the selection. Right after a table is built the
    // current cell is the header of its last year column.
    GridSelection gridSelection() const;
    // The table shown (null while the grid is empty).
    const ValueTable* valueTable() const;
    float lastValue() const;
    std::string amountText() const;   // Text1
    std::string perYearText() const;  // Text2
    // Label1: the title line, a carriage return and the sentence.
    const std::string& explanation() const { return explanation_; }
    bool explanationVisible() const;
    ActuarialOutput* output() const { return output_.get(); }

    // After a copy: the commands wait for the next change of the selection, whose highlight now
    // shows only while the grid has the focus.
    void copyDone();

  protected:
    void copyToClipboard() override;
    void openPrintOptions() override;
    bool printPanelShown() const override;
    void closePrintPanel() override;
    void panelColorChanged(const QColor& color) override;
    void activated() override;
    void controlsResized() override;

  private:
    void buildControls();
    void connectControls();
    void showCorner();
    void prepareGrid();
    GridFit fitValueGrid() const;
    void boxChanged(QLineEdit* box, bool atMost100);
    void gridSelectionChanged();
    void setCommandsEnabled(bool enabled);
    ActuarialBoxTexts boxTexts() const;
    void showBoxTexts(const ActuarialBoxTexts& boxes);
    QWidget* boxWidget(ActuarialBox box) const;

    ValueTableInputs inputs_;
    std::shared_ptr<ValueTable> table_;
    std::string explanation_;
    bool tableShownBefore_ = false;  // the first build turns the selection highlight on
    std::unique_ptr<ActuarialOutput> output_;

    QFrame* ssPanel1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QGroupBox* ssPanel2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QGroupBox* ssPanel3_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    std::array<QPushButton*, 4> kindButtons_{};
    QPushButton* command5_ = nullptr;
    QFrame* ssPanel4_ = nullptr;
    ValueGridModel* model_ = nullptr;
    TableGrid* grid_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* imgGraphic_ = nullptr;
};

}  // namespace coinwell::actuarial
