#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <utility>

namespace doz::revorur::mime {

// The header fields of one MIME entity, in order, with folded lines joined.
class Headers {
public:
    void append(QByteArray name, QByteArray value);
    bool isEmpty() const { return m_fields.isEmpty(); }
    // The value of the first field of that name (any case), trimmed; empty when absent.
    QByteArray value(QByteArrayView name) const;

private:
    QList<std::pair<QByteArray, QByteArray>> m_fields;
};

// A structured field such as "multipart/related; boundary="b"; type=text/html".
struct HeaderValue {
    QByteArray value;                                    // lower case, e.g. "multipart/related"
    QList<std::pair<QByteArray, QByteArray>> parameters; // names lower case, values unquoted

    QByteArray parameter(QByteArrayView name) const;
};

HeaderValue parseHeaderValue(const QByteArray& field);

struct Entity {
    Headers headers;
    QByteArray body;
};

// Splits an entity at the blank line after its header block. Data that does not start with
// a header line has no headers: all of it is body. A header block that runs into a line that
// is neither a field nor a continuation ends there, and that line starts the body.
Entity splitEntity(const QByteArray& data);

// The parts of a multipart body between "--boundary" delimiter lines. A body cut off before
// its closing delimiter still yields the part it was in. At most maxParts parts are returned.
QList<QByteArray> splitMultipart(const QByteArray& body, const QByteArray& boundary, qsizetype maxParts);

// The boundary of a multipart body whose header lost it: the first delimiter-like line of
// the preamble. Empty when the body does not look like multipart data.
QByteArray guessBoundary(const QByteArray& body);

} // namespace doz::revorur::mime
