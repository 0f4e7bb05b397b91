#include "revorur/shell/content/content_pane.h"

#include "revorur/shell/content/page_location.h"
#include "revorur/shell/content/text_charset.h"

#include <QFileInfo>
#include <QImage>
#include <QScrollBar>
#include <QTextDocument>

#include <array>

namespace doz::revorur {
namespace {

// Links with these schemes leave the pane for the web browser.
constexpr std::array<const char*, 4> kExternalSchemes = {"http", "https", "ftp", "mailto"};

bool isExternal(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    for (const char* external : kExternalSchemes) {
        if (scheme == QLatin1String(external)) {
            return true;
        }
    }
    return false;
}

bool isArchive(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QLatin1String("mht") || suffix == QLatin1String("mhtml");
}

bool isHtmlPage(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

QString notePage(const QString& title, const QString& text, const QString& path) {
    return QStringLiteral("<html><body><h3>%1</h3><p>%2</p><p><tt>%3</tt></p></body></html>")
        .arg(title.toHtmlEscaped(), text.toHtmlEscaped(), path.toHtmlEscaped());
}

// A resource for the document: pictures decoded (an undecodable one as an empty picture, so
// the document does not go looking for it elsewhere), text decoded, anything else as bytes.
QVariant resourceFromBytes(int type, const QByteArray& bytes) {
    switch (type) {
    case QTextDocument::ImageResource:
        return QImage::fromData(bytes);
    case QTextDocument::StyleSheetResource:
    case QTextDocument::HtmlResource:
        return mime::decodeText(bytes, mime::declaredHtmlCharset(bytes));
    default:
        return bytes;
    }
}

QVariant missingResource(int type) {
    switch (type) {
    case QTextDocument::ImageResource:
        return QImage();
    case QTextDocument::StyleSheetResource:
        return QString();
    default:
        return QByteArray();
    }
}

} // namespace

ContentPane::ContentPane(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ContentPane::ContentPane_AnchorClicked);
}

void ContentPane::navigate(const QString& target) {
    m_target = target;
    m_pageFile.clear();
    m_archive.reset();
    const PageTarget page = parsePageTarget(target);
    if (page.path.isEmpty()) {
        clear();
        return;
    }
    const QString file = findPageFile(page.path);
    if (file.isEmpty()) {
        setHtml(notePage(tr("Page not found"), tr("The page cannot be found:"), page.path));
        return;
    }
    m_pageFile = file;
    setHtml(pageHtml(file));
    if (page.anchor.isEmpty()) {
        verticalScrollBar()->setValue(0);
    } else {
        scrollToAnchor(page.anchor);
    }
}

QString ContentPane::pageHtml(const QString& file) {
    const QByteArray bytes = readPageBytes(file);
    QString html;
    if (isArchive(file)) {
        m_archive = MhtArchive::decode(bytes);
        html = m_archive->html();
    } else if (isHtmlPage(file)) {
        html = mime::decodeText(bytes, mime::declaredHtmlCharset(bytes));
    } else {
        html =
            QStringLiteral("<pre>") + mime::decodeText(bytes, {}).toHtmlEscaped() + QStringLiteral("</pre>");
    }
    if (html.trimmed().isEmpty()) {
        return notePage(tr("Empty page"), tr("The page holds nothing that can be shown:"), file);
    }
    return html;
}

QVariant ContentPane::loadResource(int type, const QUrl& name) {
    // data: URLs are decoded by the document itself.
    if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0) {
        return {};
    }
    if (m_archive) {
        if (const auto bytes = m_archive->resource(name)) {
            return resourceFromBytes(type, *bytes);
        }
    }
    return localResource(type, name);
}

// A resource stored as a file beside the page (archives may refer to such files as well).
QVariant ContentPane::localResource(int type, const QUrl& name) const {
    if (m_pageFile.isEmpty() || !(name.isRelative() || name.isLocalFile())) {
        return missingResource(type);
    }
    const QUrl resolved = QUrl::fromLocalFile(QFileInfo(m_pageFile).absoluteFilePath()).resolved(name);
    const QString file = findPageFile(resolved.toLocalFile());
    if (file.isEmpty()) {
        return missingResource(type);
    }
    return resourceFromBytes(type, readPageBytes(file));
}

void ContentPane::ContentPane_AnchorClicked(const QUrl& url) {
    if (isExternal(url)) {
        emit externalLinkActivated(url);
        return;
    }
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        m_target = parsePageTarget(m_target).path + QLatin1Char('#') + url.fragment();
        scrollToAnchor(url.fragment());
        return;
    }
    if (m_pageFile.isEmpty() || !(url.isRelative() || url.isLocalFile())) {
        return;
    }
    const QUrl resolved = QUrl::fromLocalFile(QFileInfo(m_pageFile).absoluteFilePath()).resolved(url);
    QString target = resolved.toLocalFile();
    if (resolved.hasFragment()) {
        target += QLatin1Char('#') + resolved.fragment();
    }
    navigate(target);
}

} // namespace doz::revorur
