#pragma once

#include <string>

// An item of the year/month tree, opaque to the core.
struct TreeItemTag;
using HTREEITEM = TreeItemTag*;

// The tree control operations the document needs; the tree view provides them.
class ITreeHost {
public:
    virtual ~ITreeHost() = default;
    // Appends an item as the last child of parent (nullptr: the top level).
    virtual HTREEITEM InsertItem(HTREEITEM parent, const std::string& text, int image,
                                 int selectedImage, int data) = 0;
    virtual void SelectItem(HTREEITEM item) = 0;
    virtual void Expand(HTREEITEM item) = 0;
    virtual void DeleteItem(HTREEITEM item) = 0;
    // False when the item cannot be read.
    virtual bool GetItemData(HTREEITEM item, int& data) const = 0;
    // The item selected last (the tree's current item).
    virtual HTREEITEM GetCurItem() const = 0;
};
