#include "common/ui/desktop.h"
