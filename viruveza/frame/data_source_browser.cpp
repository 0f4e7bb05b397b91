#include "viruveza/frame/data_source_browser.h"

#include "viruveza/frame/browser_node_text.h"
#include "viruveza/frame/frame_icons.h"
#include "viruveza/frame/viruveza_doc.h"

#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace doz::frame {

namespace {

constexpr int kDocumentRole = Qt::UserRole;

QFont highlightFont(const QFont& base) {
    QFont font = base;
    font.setWeight(QFont::Black);
    font.setUnderline(true);
    return font;
}

// The highlighted root is drawn on the tree's own background even while it is selected, so its
// red, bold, underlined text always shows.
class HighlightDelegate : public QStyledItemDelegate {
public:
    HighlightDelegate(QTreeWidget* tree, const DataSourceBrowser& browser)
        : QStyledItemDelegate(tree), tree_(tree), browser_(browser) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        if (browser_.highlighted() && tree_->itemFromIndex(index) == browser_.highlighted())
            plain.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, plain, index);
    }

private:
    QTreeWidget* tree_;
    const DataSourceBrowser& browser_;
};

} // namespace

DataSourceBrowser::DataSourceBrowser(QWidget* parent) : QDockWidget("Data Source Browser", parent) {
    setObjectName("DataSourceBrowser");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    Tree_DataSource = new QTreeWidget;
    Tree_DataSource->setObjectName("Tree_DataSource");
    Tree_DataSource->setAccessibleName("Data Source Browser");
    Tree_DataSource->setHeaderHidden(true);
    Tree_DataSource->setExpandsOnDoubleClick(false);
    Tree_DataSource->setIconSize(QSize(16, 16));
    Tree_DataSource->setItemDelegate(new HighlightDelegate(Tree_DataSource, *this));
    setWidget(Tree_DataSource);
    showPlaceholderIfEmpty();
    connect(Tree_DataSource, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { Tree_DataSourceDblClick(item); });
}

CViruvezaDoc* DataSourceBrowser::documentOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<CViruvezaDoc*>(item->data(0, kDocumentRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* DataSourceBrowser::nodeOf(const CViruvezaDoc& document) const {
    for (int i = 0; i < Tree_DataSource->topLevelItemCount(); ++i)
        if (documentOf(Tree_DataSource->topLevelItem(i)) == &document)
            return Tree_DataSource->topLevelItem(i);
    return nullptr;
}

void DataSourceBrowser::showPlaceholderIfEmpty() {
    if (Tree_DataSource->topLevelItemCount() > 0)
        return;
    auto* placeholder = new QTreeWidgetItem(Tree_DataSource, {kNoSourceText});
    placeholder->setIcon(0, frameIcon(FrameIcon::NoSource));
}

void DataSourceBrowser::add(CViruvezaDoc& document, std::uint16_t operation) {
    if (Tree_DataSource->topLevelItemCount() == 1 && !documentOf(Tree_DataSource->topLevelItem(0))) {
        if (highlighted_ == Tree_DataSource->topLevelItem(0))
            highlighted_ = nullptr;
        delete Tree_DataSource->takeTopLevelItem(0);
    }
    auto* root = new QTreeWidgetItem(Tree_DataSource, {document.title()});
    root->setData(0, kDocumentRole, QVariant::fromValue(reinterpret_cast<quintptr>(&document)));
    root->setIcon(0, frameIcon(FrameIcon::CodeSource));
    root->setToolTip(0, document.pathName());
    const FrameIcon childIcons[] = {FrameIcon::Card, FrameIcon::Operation};
    int child = 0;
    for (const std::string& text : browserChildTexts(document.cardLine, operation, document.record)) {
        auto* item = new QTreeWidgetItem(root, {QString::fromStdString(text)});
        item->setIcon(0, frameIcon(child < 2 ? childIcons[child] : FrameIcon::Parameter));
        ++child;
    }
    root->setExpanded(true);
    connect(&document, &CViruvezaDoc::pathChanged, this, [this, &document] {
        if (QTreeWidgetItem* node = nodeOf(document)) {
            node->setText(0, document.title());
            node->setToolTip(0, document.pathName());
        }
    });
}

void DataSourceBrowser::remove(CViruvezaDoc& document) {
    QTreeWidgetItem* node = nodeOf(document);
    if (!node)
        return;
    if (node == highlighted_)
        highlighted_ = nullptr;
    if (node == lastDoubleClicked_)
        lastDoubleClicked_ = nullptr;
    delete node;
    showPlaceholderIfEmpty();
}

void DataSourceBrowser::select(CViruvezaDoc* document) {
    QTreeWidgetItem* item = document ? nodeOf(*document) : nullptr;
    if (!item && !document && Tree_DataSource->topLevelItemCount() > 0 &&
        !documentOf(Tree_DataSource->topLevelItem(0)))
        item = Tree_DataSource->topLevelItem(0);
    if (item != highlighted_)
        lastDoubleClicked_ = nullptr;
    Tree_DataSource->setCurrentItem(item);
    setHighlighted(item);
}

void DataSourceBrowser::setHighlighted(QTreeWidgetItem* item) {
    if (highlighted_) {
        highlighted_->setFont(0, Tree_DataSource->font());
        highlighted_->setForeground(0, Tree_DataSource->palette().text());
    }
    highlighted_ = item;
    if (highlighted_ && documentOf(highlighted_)) {
        highlighted_->setFont(0, highlightFont(Tree_DataSource->font()));
        highlighted_->setForeground(0, QColor(255, 0, 0));
    }
}

void DataSourceBrowser::Tree_DataSourceDblClick(QTreeWidgetItem* item) {
    if (!item || item == lastDoubleClicked_ || item->childCount() == 0)
        return;
    CViruvezaDoc* document = documentOf(item);
    if (!document)
        return;
    lastDoubleClicked_ = item;
    setHighlighted(item);
    if (activate)
        activate(*document);
}

} // namespace doz::frame
