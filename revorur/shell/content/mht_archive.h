#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace doz::revorur {

// A web page saved as one MIME archive (multipart/related, the ".mht" format): the HTML
// part and the resources (pictures, style sheets) stored beside it. Decoding never fails;
// a damaged, cut-off or foreign file yields whatever page text and resources it still holds.
class MhtArchive {
public:
    static MhtArchive decode(const QByteArray& data);

    // The page as HTML: the first text/html part, else a plain-text part shown as
    // preformatted text, else empty.
    const QString& html() const { return m_html; }

    // Content-Location of the HTML part: relative references of the page resolve against it.
    const QUrl& baseUrl() const { return m_baseUrl; }

    // The decoded bytes of the resource a page reference names: "cid:" references by
    // Content-ID, others by Content-Location (as written, or resolved against baseUrl()),
    // and, for archives whose locations no longer match, by file name alone.
    std::optional<QByteArray> resource(const QUrl& reference) const;

    qsizetype resourceCount() const { return m_resources.size(); }

private:
    struct Resource {
        QByteArray data;
        QString location;
        QString contentId;
    };
    class Reader;

    void indexResources();
    std::optional<QByteArray> lookUp(const QHash<QString, qsizetype>& index, const QString& key) const;

    QString m_html;
    QUrl m_baseUrl;
    QList<Resource> m_resources;
    QHash<QString, qsizetype> m_byLocation;
    QHash<QString, qsizetype> m_byContentId;
    QHash<QString, qsizetype> m_byFileName;
};

} // namespace doz::revorur
