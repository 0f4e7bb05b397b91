#pragma once
// How the main window's tree items keep their picture index. The picture doubles as the node's
// state for the window's drag and pop-up rules, so every manager's tree uses these; what else
// an item holds belongs to its manager.

#include "image_lists.h"

#include <QTreeWidgetItem>

namespace doz::shell {

inline constexpr int PictureRole = Qt::UserRole + 1;

// Sets the item's picture index and shows that picture; an index past the list shows none
// but is kept, since the index doubles as the item's state.
void SetNodePicture(QTreeWidgetItem* item, const ImageList& images, int picture);
int NodePicture(const QTreeWidgetItem* item);

} // namespace doz::shell
