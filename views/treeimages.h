#pragma once

#include <QIcon>

// The four images of the year/month tree (icons 130 to 133), 16 x 16 SVG files of the resource:
// 0 a closed filing cabinet, 1 an open folder holding a sheet, 2 a closed red book,
// 3 an open red book.
namespace treeimages {

constexpr int kCount = 4;

// The icon of an item: image for its normal look, selectedImage when it is selected.
QIcon ItemIcon(int image, int selectedImage);

}  // namespace treeimages
