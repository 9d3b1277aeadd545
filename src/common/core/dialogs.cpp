#include "common/core/dialogs.h"
