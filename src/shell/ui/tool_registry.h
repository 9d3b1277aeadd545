#pragma once
// Which screen each of the five tools opens. The program registers the real screens at start;
// a tool without a registered screen opens the bare frame with its caption and an empty panel.

#include <array>
#include <functional>

#include "common/ui/app_context.h"
#include "shell/core/tool_screens.h"

class QWidget;

namespace coinwell {

class ToolScreen;

using ToolScreenFactory = std::function<ToolScreen*(AppContext&, QWidget* mainScreen)>;

class ToolScreenRegistry {
  public:
    void set(shell::Tool tool, ToolScreenFactory factory);
    // The registered screen, or the bare frame.
    ToolScreen* create(shell::Tool tool, AppContext& context, QWidget* mainScreen) const;

    // The registry the program fills at start.
    static ToolScreenRegistry& instance();

  private:
    std::array<ToolScreenFactory, shell::kToolCount> factories_;
};

// The bare frame of a tool: caption, menus, background and panel colour, an empty panel.
ToolScreenFactory emptyToolScreenFactory(shell::Tool tool);

}  // namespace coinwell
