#pragma once

#include "revorur/shell/content/mht_archive.h"

#include <QTextBrowser>
#include <QUrl>

#include <optional>

namespace doz::revorur {

// A content pane of the main window: shows one local page. ".mht" archives are decoded with
// their pictures, ".htm" and ".html" pages load with pictures beside them, "#anchor" scrolls
// to the anchor. Links inside a page open local pages in the pane itself; web links are
// handed to the owner through externalLinkActivated.
class ContentPane : public QTextBrowser {
    Q_OBJECT

public:
    explicit ContentPane(QWidget* parent = nullptr);

    // Shows the page at target, a local path (forward or back slashes) with an optional
    // "#anchor". An empty target shows a blank page; a missing file shows a short
    // "page not found" note naming the path.
    void navigate(const QString& target);

    // The target last navigated to (an anchor followed inside the page included).
    QString currentTarget() const { return m_target; }

signals:
    void externalLinkActivated(const QUrl& url);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void ContentPane_AnchorClicked(const QUrl& url);
    QString pageHtml(const QString& file);
    QVariant localResource(int type, const QUrl& name) const;

    QString m_target;
    QString m_pageFile; // the file shown; empty for a blank or missing page
    std::optional<MhtArchive> m_archive;
};

} // namespace doz::revorur
