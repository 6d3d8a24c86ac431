#include "app/desktop/read_desktop_icons.h"

#include <vector>

#include "app/desktop/desktop_list_view.h"
#include "app/desktop/icon_classification.h"
#include "app/program_variables.h"

namespace velmora {

bool ReadDesktopIcons(HWND listView) noexcept {
    DesktopIcons.Clear();
    if (!listView)
        listView = FindDesktopListView();
    if (!listView)
        return false;
    std::vector<DesktopItem> items;
    if (ReadListViewItems(listView, items) != ReadStatus::kRead)
        return false;
    const IconClassifier classifier(WorkOutDesktopDirectories());
    for (const DesktopItem& item : items) {
        Classification classification = classifier.Classify(item.caption.c_str());
        const Text caption(NewText(item.caption.c_str()));
        ItemRectangle rectangle = {item.bounds.left, item.bounds.top, item.bounds.right, item.bounds.bottom};
        IconEntry entry = {item.index, const_cast<char*>(classification.kind), caption.get(), &rectangle,
                           classification.target.get()};
        DesktopIcons.Append(entry);
    }
    return true;
}

}  // namespace velmora
