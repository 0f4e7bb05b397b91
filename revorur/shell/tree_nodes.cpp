#include "tree_nodes.h"

namespace doz::shell {

void SetNodePicture(QTreeWidgetItem* item, const ImageList& images, int picture) {
    item->setData(0, PictureRole, picture);
    item->setIcon(0, picture >= 0 && picture < images.size() ? images[picture] : QIcon());
}

int NodePicture(const QTreeWidgetItem* item) {
    const QVariant v = item->data(0, PictureRole);
    return v.isValid() ? v.toInt() : -1;
}

} // namespace doz::shell
