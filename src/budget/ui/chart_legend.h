#pragma once
// The budget chart's legend: an entry per series, the swatch drawn as the series is drawn (the
// highlight pattern included), in as many columns as the entries need.

#include <QBrush>
#include <QString>
#include <QWidget>
#include <vector>

namespace coinwell::budget {

class ChartLegend : public QWidget {
    Q_OBJECT
  public:
    struct Entry {
        QString label;
        QBrush brush;
    };

    explicit ChartLegend(QWidget* parent);

    void setEntries(std::vector<Entry> entries);
    void setEntryBrush(int index, const QBrush& brush);
    const std::vector<Entry>& entries() const { return entries_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Entry> entries_;
};

}  // namespace coinwell::budget
