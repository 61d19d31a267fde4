#pragma once
// What a node of the navigation tree carries: its kind, the count in its
// label and the content the loaders read. Owned by the tree, one per node;
// the content belongs to the DeviceTable (or to the selector entry's slot
// copy, for the contact vector) and is valid until the next detection.

#include <wx/treebase.h>

class NavigationTreeCtrlData : public wxTreeItemData {
public:
    NavigationTreeCtrlData(int kind, int count, void* content) : count(count), kind(kind), content(content) {}

    int count;
    int kind;
    void* content;
};
