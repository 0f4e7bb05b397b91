#include "notebook.h"

namespace doz::shell {

void AddNotebookPages(QStackedWidget* notebook, const QStringList& names) {
    for (const QString& name : names) {
        auto* page = new QWidget(notebook);
        page->setObjectName(name);
        notebook->addWidget(page);
    }
}

QWidget* NotebookPage(const QStackedWidget* notebook, const QString& name) {
    for (int i = 0; i < notebook->count(); ++i)
        if (notebook->widget(i)->objectName() == name)
            return notebook->widget(i);
    return nullptr;
}

void ShowNotebookPage(QStackedWidget* notebook, const QString& name) {
    if (QWidget* page = NotebookPage(notebook, name))
        notebook->setCurrentWidget(page);
}

QString CurrentNotebookPage(const QStackedWidget* notebook) {
    const QWidget* page = notebook->currentWidget();
    return page ? page->objectName() : QString();
}

} // namespace doz::shell
