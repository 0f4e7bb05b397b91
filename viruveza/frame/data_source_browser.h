#pragma once
// The data source browser: one node per open code source with its card, operation and main
// parameters, "No Source..." when none is open; the active code source's node is drawn bold,
// underlined and red. A double click makes a code source active.

#include <QDockWidget>

#include <cstdint>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace doz::frame {

class CViruvezaDoc;

class DataSourceBrowser : public QDockWidget {
    Q_OBJECT
public:
    explicit DataSourceBrowser(QWidget* parent = nullptr);

    QTreeWidget* Tree_DataSource;

    void add(CViruvezaDoc& document, std::uint16_t operation);
    void remove(CViruvezaDoc& document);
    // Selects and highlights the node of `document`, or the placeholder for none.
    void select(CViruvezaDoc* document);
    // The root node of a code source; nullptr when it has none.
    QTreeWidgetItem* nodeOf(const CViruvezaDoc& document) const;
    QTreeWidgetItem* highlighted() const { return highlighted_; }

    // A double click asked for this code source to become the active one.
    std::function<void(CViruvezaDoc&)> activate;

    void Tree_DataSourceDblClick(QTreeWidgetItem* item);

private:
    void showPlaceholderIfEmpty();
    void setHighlighted(QTreeWidgetItem* item);
    static CViruvezaDoc* documentOf(const QTreeWidgetItem* item);

    QTreeWidgetItem* highlighted_ = nullptr;
    QTreeWidgetItem* lastDoubleClicked_ = nullptr;
};

} // namespace doz::frame
