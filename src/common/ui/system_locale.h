#pragma once
// The user's regional settings, read once at start and handed to setCurrentLocale().

#include <QLocale>

#include "common/core/locale_settings.h"

namespace coinwell {

// The settings of the system locale. English (United States) and the neutral "C" locale give
// the program's reference settings (negative currency in parentheses, four-digit years).
LocaleSettings localeFromSystem();

// The settings of any locale, the same way.
LocaleSettings localeFrom(const QLocale& locale);

}  // namespace coinwell
