#include "shell/ui/tool_registry.h"

#include "shell/ui/tool_screen.h"

namespace coinwell {

void ToolScreenRegistry::set(shell::Tool tool, ToolScreenFactory factory) {
    factories_[static_cast<std::size_t>(tool)] = std::move(factory);
}

ToolScreen* ToolScreenRegistry::create(shell::Tool tool, AppContext& context,
                                       QWidget* mainScreen) const {
    const ToolScreenFactory& factory = factories_[static_cast<std::size_t>(tool)];
    if (factory) {
        return factory(context, mainScreen);
    }
    return emptyToolScreenFactory(tool)(context, mainScreen);
}

ToolScreenRegistry& ToolScreenRegistry::instance() {
    static ToolScreenRegistry registry;
    return registry;
}

ToolScreenFactory emptyToolScreenFactory(shell::Tool tool) {
    return [tool](AppContext& context, QWidget* mainScreen) {
        return new ToolScreen(context, shell::toolScreenSpec(tool), mainScreen);
    };
}

}  // namespace coinwell
