#include "platform/system/RegionalFormats.h"

#include "platform/system/Registry.h"

namespace vantir {

const QString RegionalFormats::kShortDate = QStringLiteral("yy/MM/dd");
const QString RegionalFormats::kTimeFormat = QStringLiteral("HH:mm:ss");
const QString RegionalFormats::kShortTime = QStringLiteral("HH:mm");
const QString RegionalFormats::kInternationalKey = QStringLiteral("\\Control Panel\\International");

namespace {
const QString kShortDateName = QStringLiteral("sShortDate");
const QString kTimeFormatName = QStringLiteral("sTimeFormat");
const QString kShortTimeName = QStringLiteral("sShortTime");
}  // namespace

std::array<RegionalFormats::Setting, 3> RegionalFormats::settings() {
    return {Setting{kShortDateName, kShortDate}, Setting{kTimeFormatName, kTimeFormat},
            Setting{kShortTimeName, kShortTime}};
}

void RegionalFormats::force() {
    registry_.createKey(kInternationalKey);
    const auto all = settings();
    for (std::size_t i = 0; i < all.size(); ++i)
        found_[i] = registry_.readString(kInternationalKey, all[i].name);
    forced_ = true;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (found_[i] == all[i].required) continue;
        if (registry_.keyExists(kInternationalKey))
            registry_.writeString(kInternationalKey, all[i].name, all[i].required);
    }
}

void RegionalFormats::restore() {
    if (!forced_) return;
    const auto all = settings();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (found_[i] == all[i].required || !registry_.keyExists(kInternationalKey)) continue;
        if (found_[i])
            registry_.writeString(kInternationalKey, all[i].name, *found_[i]);
        else
            registry_.deleteValue(kInternationalKey, all[i].name);
    }
    forced_ = false;
}

}  // namespace vantir
