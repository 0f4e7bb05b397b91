#pragma once
// Page notebooks: stacked widgets whose pages are switched by their object names.

#include <QStackedWidget>
#include <QStringList>

namespace doz::shell {

// Adds one empty, named page per name, in order.
void AddNotebookPages(QStackedWidget* notebook, const QStringList& names);
QWidget* NotebookPage(const QStackedWidget* notebook, const QString& name);
// Shows the named page; an unknown name leaves the notebook as it was.
void ShowNotebookPage(QStackedWidget* notebook, const QString& name);
QString CurrentNotebookPage(const QStackedWidget* notebook);

} // namespace doz::shell
