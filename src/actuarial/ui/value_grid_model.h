#pragma once
// The cells of the Actuarial Calculator's grid, produced on demand from the value table: value
// cells right-aligned and vertically centred, the header row and rate column centred.

#include <memory>
#include <string>

#include "actuarial/core/value_table.h"
#include "shell/ui/grid_text_model.h"

namespace coinwell::actuarial {

class ValueGridModel : public GridTextModel {
  public:
    explicit ValueGridModel(QObject* parent = nullptr);

    // The table in a grid of gridRows × gridColumns (header row and rate column included).
    void showTable(std::shared_ptr<const ValueTable> table, int gridRows, int gridColumns);
    const ValueTable* table() const { return showsContent() ? table_.get() : nullptr; }

  protected:
    std::string contentText(int row, int column) const override;
    Qt::Alignment contentAlignment(int row, int column) const override;

  private:
    std::shared_ptr<const ValueTable> table_;
};

}  // namespace coinwell::actuarial
