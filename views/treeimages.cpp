#include "views/treeimages.h"

#include "framework/qt/resourceicon.h"

namespace {

// res/icons/<name>.svg by image number; any other number shows the open book.
const char* Name(int image) {
    constexpr const char* kNames[treeimages::kCount] = {"tree-cabinet", "tree-folder-open",
                                                        "tree-book-closed", "tree-book-open"};
    return kNames[image >= 0 && image < treeimages::kCount ? image : treeimages::kCount - 1];
}

}  // namespace

QIcon treeimages::ItemIcon(int image, int selectedImage) {
    return ResourceIcon(Name(image), Name(selectedImage));
}
