#pragma once
// The Compare Years panel Compare1 laid over the entry area like the Totals For Year panel: the
// two year lists, the hint that saved files are compared, the comparison grid GridCompare, the
// chart beside it and the buttons "&Print", "Copy to Clip&board" and "&Close". It shows what it
// is given; the year planning part runs the commands.

#include <QFrame>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace coinwell::budget {

class ComparisonChart;
struct YearComparison;

class ComparePanel : public QFrame {
    Q_OBJECT
  public:
    explicit ComparePanel(QWidget* parent);

    // The years offered in both lists and the two chosen (without emitting yearsChosen).
    void setYears(const std::vector<std::string>& years, const std::string& yearA,
                  const std::string& yearB);
    std::string yearA() const;
    std::string yearB() const;

    // The grid and the chart.
    void showComparison(const YearComparison& comparison);

    QComboBox* yearBoxA() const { return cboCompareA_; }
    QComboBox* yearBoxB() const { return cboCompareB_; }
    QTableWidget* grid() const { return grid_; }
    ComparisonChart* chart() const { return chart_; }
    QLabel* hint() const { return hint_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* closeButton() const { return close_; }

  signals:
    // The user chose another year in either list.
    void yearsChosen();

  private:
    void fitColumns();
    void rowChosen(int row);

    QComboBox* cboCompareA_ = nullptr;
    QComboBox* cboCompareB_ = nullptr;
    QLabel* hint_ = nullptr;
    QTableWidget* grid_ = nullptr;
    ComparisonChart* chart_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace coinwell::budget
