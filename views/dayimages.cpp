#include "views/dayimages.h"

#include "framework/qt/resourceicon.h"
#include "model/dayrecord.h"

namespace dayimages {

QIcon Image(int index) {
    constexpr const char* kNames[kCount] = {"day-open-book", "day-book-stack", "day-book-shelf"};
    if (index < 0 || index >= kCount) return {};
    return ResourceIcon(kNames[index]);
}

int ForDayType(int32_t dayType) {
    switch (dayType) {
        case kSaturday:
            return 2;
        case kHoliday:
            return 1;
        default:
            return 0;
    }
}

}  // namespace dayimages
