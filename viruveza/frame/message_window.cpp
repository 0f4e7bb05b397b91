#include "viruveza/frame/message_window.h"

#include "viruveza/frame/frame_messages.h"

#include <QListWidget>
#include <QMetaObject>
#include <QVBoxLayout>

namespace doz::frame {

MessageWindow::MessageWindow(QWidget* parent) : QDockWidget("Message", parent) {
    setObjectName("MessageWindow");
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(3, 3, 3, 3);
    List_Message = new QListWidget;
    List_Message->setObjectName("List_Message");
    List_Message->setAccessibleName("Message");
    List_Message->setUniformItemSizes(true);
    List_Message->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(List_Message);
    setWidget(holder);
}

void MessageWindow::post(const QString& line) {
    QMetaObject::invokeMethod(this, "addLine", Qt::QueuedConnection, Q_ARG(QString, line));
}

void MessageWindow::addLine(const QString& line) {
    auto* item = new QListWidgetItem(line);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (line.contains(QString::fromUtf8(kErrorPrefix.data(), static_cast<int>(kErrorPrefix.size()))))
        item->setForeground(QColor(255, 0, 0));
    List_Message->insertItem(0, item);
}

QStringList MessageWindow::lines() const {
    QStringList shown;
    for (int row = 0; row < List_Message->count(); ++row)
        shown << List_Message->item(row)->text();
    return shown;
}

} // namespace doz::frame
