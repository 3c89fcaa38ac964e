#pragma once

#include <QIcon>
#include <cstdint>

// The row images of the day list (icons 140, 145, 146), 16 x 16 SVG files of the resource:
// 0 an open book (weekday), 1 a stack of closed books (Sunday or holiday),
// 2 books standing on a shelf (Saturday).
namespace dayimages {

constexpr int kCount = 3;

QIcon Image(int index);
// The image of a day type: 1 weekday, 2 Saturday, 3 Sunday or holiday.
int ForDayType(int32_t dayType);

}  // namespace dayimages
