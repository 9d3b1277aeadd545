#include "common/core/locale_settings.h"

#include <utility>

namespace coinwell {

namespace {

LocaleSettings& localeInForce() {
    static LocaleSettings settings;
    return settings;
}

}  // namespace

const LocaleSettings& currentLocale() {
    return localeInForce();
}

void setCurrentLocale(LocaleSettings settings) {
    localeInForce() = std::move(settings);
}

}  // namespace coinwell
