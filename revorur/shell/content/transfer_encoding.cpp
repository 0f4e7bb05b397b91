#include "revorur/shell/content/transfer_encoding.h"

namespace doz::revorur::mime {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// When the "=" at index 'equals' starts a soft line break, returns the index of the break's
// last character; otherwise -1.
qsizetype softBreakEnd(const QByteArray& body, qsizetype equals) {
    qsizetype i = equals + 1;
    while (i < body.size() && isBlank(body[i])) {
        ++i;
    }
    if (i == body.size()) {
        return i - 1; // a body cut off right after "=" ends with a soft break
    }
    if (body[i] == '\n') {
        return i;
    }
    if (body[i] == '\r') {
        return i + 1 < body.size() && body[i + 1] == '\n' ? i + 1 : i;
    }
    return -1;
}

} // namespace

QByteArray decodeQuotedPrintable(const QByteArray& body) {
    QByteArray out;
    out.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c != '=') {
            out += c;
            continue;
        }
        if (const qsizetype end = softBreakEnd(body, i); end >= 0) {
            i = end;
            continue;
        }
        const int high = i + 1 < body.size() ? hexValue(body[i + 1]) : -1;
        const int low = i + 2 < body.size() ? hexValue(body[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray decodeTransferEncoding(const QByteArray& body, const QByteArray& encoding) {
    const QByteArray name = encoding.trimmed().toLower();
    if (name == "base64") {
        return QByteArray::fromBase64(body);
    }
    if (name == "quoted-printable") {
        return decodeQuotedPrintable(body);
    }
    return body;
}

} // namespace doz::revorur::mime
