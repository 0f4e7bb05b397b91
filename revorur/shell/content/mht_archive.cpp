#include "revorur/shell/content/mht_archive.h"

#include "revorur/shell/content/mime_entity.h"
#include "revorur/shell/content/text_charset.h"
#include "revorur/shell/content/transfer_encoding.h"

#include <QRegularExpression>

namespace doz::revorur {
namespace {

// Bounds that keep a hostile archive from exhausting the stack or the memory.
constexpr int kMaxNesting = 8;
constexpr qsizetype kMaxParts = 10000;
// How much of a part its type is guessed from.
constexpr qsizetype kSniffLength = 4096;

bool looksLikeHtml(const QByteArray& bytes) {
    const QByteArray head = bytes.left(kSniffLength).toLower();
    for (const char* tag : {"<html", "<!doctype html", "<head", "<body"}) {
        if (head.contains(tag)) {
            return true;
        }
    }
    return false;
}

bool looksLikeText(const QByteArray& bytes) {
    const QByteArray head = bytes.left(kSniffLength);
    if (head.trimmed().isEmpty()) {
        return false;
    }
    qsizetype controls = 0;
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            return false;
        }
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f') {
            ++controls;
        }
    }
    return controls * 32 <= head.size();
}

// Content-Location as a URL. Archives saved on Windows may hold "C:\dir\page.htm".
QUrl locationUrl(QString location) {
    location.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:/"));
    if (drive.match(location).hasMatch()) {
        return QUrl(QStringLiteral("file:///") + location);
    }
    return QUrl(location, QUrl::TolerantMode);
}

QString locationKey(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment | QUrl::NormalizePathSegments).toString().toLower();
}

QString headerText(const QByteArray& value) {
    return mime::decodeText(value, {});
}

QString contentIdOf(const mime::Headers& headers) {
    QByteArray id = headers.value("Content-ID");
    if (id.startsWith('<') && id.endsWith('>')) {
        id = id.mid(1, id.size() - 2).trimmed();
    }
    return headerText(id);
}

void insertFirst(QHash<QString, qsizetype>& index, const QString& key, qsizetype position) {
    if (!key.isEmpty() && !index.contains(key)) {
        index.insert(key, position);
    }
}

} // namespace

// Walks the entity tree and fills the archive: the first HTML part becomes the page, every
// other part that a page could name becomes a resource.
class MhtArchive::Reader {
public:
    explicit Reader(MhtArchive& archive) : m_archive(archive) {}

    void read(const QByteArray& data, int depth) {
        const mime::Entity entity = mime::splitEntity(data);
        const mime::HeaderValue type = mime::parseHeaderValue(entity.headers.value("Content-Type"));
        if (depth < kMaxNesting && (type.value.startsWith("multipart/") || type.value.isEmpty())) {
            QByteArray boundary = type.parameter("boundary");
            if (boundary.isEmpty()) {
                boundary = mime::guessBoundary(entity.body);
            }
            const QList<QByteArray> parts = mime::splitMultipart(entity.body, boundary, m_partBudget);
            if (!parts.isEmpty()) {
                m_partBudget -= parts.size();
                for (const QByteArray& part : parts) {
                    read(part, depth + 1);
                }
                return;
            }
        }
        readLeaf(entity, type);
    }

    void finish() {
        if (!m_haveHtml && m_havePlainText) {
            m_archive.m_html =
                QStringLiteral("<pre>") + m_plainText.toHtmlEscaped() + QStringLiteral("</pre>");
        }
    }

private:
    void readLeaf(const mime::Entity& entity, const mime::HeaderValue& type) {
        const QByteArray bytes =
            mime::decodeTransferEncoding(entity.body, entity.headers.value("Content-Transfer-Encoding"));
        const QString location = headerText(entity.headers.value("Content-Location"));
        const bool untyped = type.value.isEmpty();
        const bool isHtml = type.value == "text/html" || type.value == "application/xhtml+xml" ||
                            (untyped && looksLikeHtml(bytes));
        if (isHtml && !m_haveHtml) {
            QByteArray charset = type.parameter("charset");
            if (charset.isEmpty()) {
                charset = mime::declaredHtmlCharset(bytes);
            }
            m_archive.m_html = mime::decodeText(bytes, charset);
            m_archive.m_baseUrl = locationUrl(location);
            m_haveHtml = true;
            return;
        }
        if ((type.value == "text/plain" || untyped) && !m_havePlainText && looksLikeText(bytes)) {
            m_plainText = mime::decodeText(bytes, type.parameter("charset"));
            m_havePlainText = true;
        }
        const QString contentId = contentIdOf(entity.headers);
        if (!location.isEmpty() || !contentId.isEmpty()) {
            m_archive.m_resources.append({bytes, location, contentId});
        }
    }

    MhtArchive& m_archive;
    qsizetype m_partBudget = kMaxParts;
    bool m_haveHtml = false;
    bool m_havePlainText = false;
    QString m_plainText;
};

MhtArchive MhtArchive::decode(const QByteArray& data) {
    MhtArchive archive;
    Reader reader(archive);
    reader.read(data, 0);
    reader.finish();
    archive.indexResources();
    return archive;
}

void MhtArchive::indexResources() {
    for (qsizetype i = 0; i < m_resources.size(); ++i) {
        const Resource& resource = m_resources[i];
        insertFirst(m_byContentId, resource.contentId.toLower(), i);
        if (resource.location.isEmpty()) {
            continue;
        }
        const QUrl url = locationUrl(resource.location);
        insertFirst(m_byLocation, locationKey(url), i);
        if (m_baseUrl.isValid()) {
            insertFirst(m_byLocation, locationKey(m_baseUrl.resolved(url)), i);
        }
        insertFirst(m_byFileName, url.fileName().toLower(), i);
    }
}

std::optional<QByteArray> MhtArchive::lookUp(const QHash<QString, qsizetype>& index,
                                             const QString& key) const {
    const auto found = index.constFind(key);
    if (found == index.constEnd()) {
        return std::nullopt;
    }
    return m_resources[*found].data;
}

std::optional<QByteArray> MhtArchive::resource(const QUrl& reference) const {
    if (reference.scheme().compare(QLatin1String("cid"), Qt::CaseInsensitive) == 0) {
        return lookUp(m_byContentId, reference.path(QUrl::FullyDecoded).toLower());
    }
    if (auto found = lookUp(m_byLocation, locationKey(reference))) {
        return found;
    }
    if (m_baseUrl.isValid()) {
        if (auto found = lookUp(m_byLocation, locationKey(m_baseUrl.resolved(reference)))) {
            return found;
        }
    }
    return lookUp(m_byFileName, reference.fileName().toLower());
}

} // namespace doz::revorur
