// Mouse, hover, drag-and-drop and resize handling of the main window.

#include "main_form.h"

#include "tree_nodes.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTreeWidget>

namespace doz::shell {

void TForm1::connectTree(QTreeWidget* tree) {
    tree->viewport()->installEventFilter(this);
}

bool TForm1::CanDragFrom(QTreeWidget* tree, QTreeWidgetItem* item) const {
    if (!item)
        return false;
    if (tree == TreeView_InstalledDevice)
        return NodePicture(item) == 9 || item->text(0) == "Virtual Device";
    if (tree == TreeView_Software)
        return NodePicture(item) == 2 || NodePicture(item) == 3;
    if (tree == TreeView_Task)
        return item != tree->topLevelItem(0);
    return false;
}

bool TForm1::AcceptsDrop(const QString& buttonName, const QString& sourceTree) const {
    const FunctionButton* button = FindFunctionButton(buttonName.toStdString());
    return button && ButtonAcceptsTree(*button, sourceTree.toStdString());
}

void TForm1::TreeRightButtonDown(QTreeWidget* tree, const QPoint& viewportPos) {
    QTreeWidgetItem* item = tree->itemAt(viewportPos);
    if (!item)
        return;
    tree->setCurrentItem(item);
    const QPoint at = tree->viewport()->mapToGlobal(viewportPos);

    if (tree == TreeView_InstalledDevice) {
        const int picture = NodePicture(item);
        if (picture != 9 && picture != 11)
            return;
        PopupMenu_Device->findChild<QAction*>("PopupDevice_Calibration")
            ->setEnabled(IsSwitchEnabled(SwitchNotebook::DevCalibration));
        showPopup(PopupMenu_Device, at);
    } else if (tree == TreeView_Software) {
        showPopup(PopupMenu_Software, at);
    } else if (tree == TreeView_Task) {
        const bool enabled = IsSwitchEnabled(SwitchNotebook::TaskFunc);
        const auto actions = PopupMenu_Task->actions();
        for (int i = 1; i < actions.size(); ++i) // "&New" stays enabled
            actions[i]->setEnabled(enabled);
        showPopup(PopupMenu_Task, at);
    } else if (tree == TreeView_DeviceAlias && hooks.aliasTreeMenu) {
        hooks.aliasTreeMenu(item, at);
    }
}

namespace {

QTreeWidget* treeOfViewport(QObject* watched) {
    auto* viewport = qobject_cast<QWidget*>(watched);
    return viewport ? qobject_cast<QTreeWidget*>(viewport->parentWidget()) : nullptr;
}

QString sourceTreeOf(const QMimeData* mime) {
    return mime && mime->hasFormat(TreeDragMimeType) ? QString::fromUtf8(mime->data(TreeDragMimeType))
                                                     : QString();
}

} // namespace

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Un-minimising shows the window again; only the first show is an event of its own.
    if (shownOnce_ || event->spontaneous())
        return;
    shownOnce_ = true;
    if (hooks.firstShown)
        QMetaObject::invokeMethod(
            this, [this] { hooks.firstShown(*this); }, Qt::QueuedConnection);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel_Bottom && event->type() == QEvent::Resize) {
        ApplyWidthRule();
        return false;
    }

    if (const auto button = buttonOfWidget_.find(watched); button != buttonOfWidget_.end()) {
        const auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Enter:
            ShowTip(button->second);
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            const bool ok =
                widget->acceptDrops() && AcceptsDrop(button->second, sourceTreeOf(drag->mimeData()));
            ok ? drag->acceptProposedAction() : drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (widget->acceptDrops() && AcceptsDrop(button->second, sourceTreeOf(drop->mimeData()))) {
                drop->acceptProposedAction();
                RunFunction(button->second);
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            return false;
        }
    }

    QTreeWidget* tree = treeOfViewport(watched);
    if (!tree)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            TreeRightButtonDown(tree, mouse->position().toPoint());
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            QTreeWidgetItem* item = tree->itemAt(mouse->position().toPoint());
            dragSource_ = CanDragFrom(tree, item) ? tree : nullptr;
            dragStartPos_ = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragSource_ == tree && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - dragStartPos_).manhattanLength() >=
                QApplication::startDragDistance()) {
            dragSource_ = nullptr;
            startDrag(tree);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        dragSource_ = nullptr;
        return false;
    default:
        return false;
    }
}

} // namespace doz::shell
