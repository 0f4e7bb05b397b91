#include "revorur/shell/content/mime_entity.h"

namespace doz::revorur::mime {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// One line of the data: [start, end) without its line break; next is where the following
// line starts.
struct Line {
    qsizetype start;
    qsizetype end;
    qsizetype next;
};

Line lineAt(const QByteArray& data, qsizetype start) {
    const qsizetype newline = data.indexOf('\n', start);
    const qsizetype next = newline < 0 ? data.size() : newline + 1;
    qsizetype end = newline < 0 ? data.size() : newline;
    if (end > start && data[end - 1] == '\r') {
        --end;
    }
    return {start, end, next};
}

bool isFieldName(QByteArrayView name) {
    if (name.isEmpty()) {
        return false;
    }
    for (const char c : name) {
        if (c <= ' ' || c > '~' || c == ':') {
            return false;
        }
    }
    return true;
}

// Reads a quoted string starting after its opening quote; returns its text and moves pos
// past the closing quote (or to the end when it is missing).
QByteArray readQuoted(const QByteArray& field, qsizetype& pos) {
    QByteArray text;
    while (pos < field.size() && field[pos] != '"') {
        if (field[pos] == '\\' && pos + 1 < field.size()) {
            ++pos;
        }
        text += field[pos++];
    }
    ++pos;
    return text;
}

// The blank-trimmed rest of a delimiter line must be empty, otherwise the line merely starts
// with the boundary text.
bool endsDelimiterLine(const QByteArray& data, qsizetype from, qsizetype end) {
    for (qsizetype i = from; i < end; ++i) {
        if (!isBlank(data[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

void Headers::append(QByteArray name, QByteArray value) {
    m_fields.append({std::move(name), std::move(value)});
}

QByteArray Headers::value(QByteArrayView name) const {
    for (const auto& [fieldName, fieldValue] : m_fields) {
        if (fieldName.compare(name, Qt::CaseInsensitive) == 0) {
            return fieldValue.trimmed();
        }
    }
    return {};
}

QByteArray HeaderValue::parameter(QByteArrayView name) const {
    for (const auto& [parameterName, parameterValue] : parameters) {
        if (parameterName == name) {
            return parameterValue;
        }
    }
    return {};
}

HeaderValue parseHeaderValue(const QByteArray& field) {
    HeaderValue result;
    qsizetype pos = field.indexOf(';');
    result.value = field.left(pos < 0 ? field.size() : pos).trimmed().toLower();
    if (pos < 0) {
        return result;
    }
    while (pos < field.size()) {
        while (pos < field.size() && (field[pos] == ';' || isBlank(field[pos]))) {
            ++pos;
        }
        qsizetype stop = pos;
        while (stop < field.size() && field[stop] != '=' && field[stop] != ';') {
            ++stop;
        }
        const QByteArray name = field.mid(pos, stop - pos).trimmed().toLower();
        pos = stop;
        if (pos >= field.size() || field[pos] != '=') {
            continue;
        }
        ++pos;
        while (pos < field.size() && isBlank(field[pos])) {
            ++pos;
        }
        QByteArray value;
        if (pos < field.size() && field[pos] == '"') {
            ++pos;
            value = readQuoted(field, pos);
        } else {
            stop = field.indexOf(';', pos);
            if (stop < 0) {
                stop = field.size();
            }
            value = field.mid(pos, stop - pos).trimmed();
            pos = stop;
        }
        if (!name.isEmpty()) {
            result.parameters.append({name, value});
        }
    }
    return result;
}

Entity splitEntity(const QByteArray& data) {
    Entity entity;
    QByteArray name;
    QByteArray value;
    const auto flush = [&] {
        if (!name.isEmpty()) {
            entity.headers.append(std::move(name), std::move(value));
        }
        name.clear();
        value.clear();
    };
    qsizetype pos = 0;
    while (pos < data.size()) {
        const Line line = lineAt(data, pos);
        const QByteArrayView text(data.constData() + line.start, line.end - line.start);
        if (text.isEmpty()) {
            flush();
            entity.body = data.mid(line.next);
            return entity;
        }
        if (isBlank(text.front()) && !name.isEmpty()) {
            value += ' ';
            value += text.trimmed();
            pos = line.next;
            continue;
        }
        const qsizetype colon = text.indexOf(':');
        if (colon > 0 && isFieldName(text.first(colon))) {
            flush();
            name = text.first(colon).toByteArray();
            value = text.sliced(colon + 1).trimmed().toByteArray();
            pos = line.next;
            continue;
        }
        break;
    }
    flush();
    entity.body = data.mid(pos);
    return entity;
}

QList<QByteArray> splitMultipart(const QByteArray& body, const QByteArray& boundary, qsizetype maxParts) {
    QList<QByteArray> parts;
    if (boundary.isEmpty()) {
        return parts;
    }
    const QByteArray delimiter = "--" + boundary;
    qsizetype partStart = -1;
    qsizetype pos = 0;
    while (parts.size() < maxParts) {
        const qsizetype found = body.indexOf(delimiter, pos);
        if (found < 0) {
            break;
        }
        const Line line = lineAt(body, found);
        pos = line.next;
        if (found > 0 && body[found - 1] != '\n') {
            pos = found + 1;
            continue;
        }
        qsizetype rest = found + delimiter.size();
        const bool closing = body.mid(rest, 2) == "--";
        if (closing) {
            rest += 2;
        }
        if (!endsDelimiterLine(body, rest, line.end)) {
            continue;
        }
        if (partStart >= 0) {
            // The line break before a delimiter belongs to the delimiter.
            qsizetype partEnd = found > 0 ? found - 1 : 0;
            if (partEnd > partStart && body[partEnd - 1] == '\r') {
                --partEnd;
            }
            parts.append(body.mid(partStart, std::max<qsizetype>(partEnd - partStart, 0)));
        }
        if (closing) {
            return parts;
        }
        partStart = line.next;
    }
    if (partStart >= 0 && partStart < body.size() && parts.size() < maxParts) {
        parts.append(body.mid(partStart));
    }
    return parts;
}

QByteArray guessBoundary(const QByteArray& body) {
    // Preambles are a line or two of plain text; markup means this is no multipart body.
    constexpr int kPreambleLines = 64;
    qsizetype pos = 0;
    for (int i = 0; i < kPreambleLines && pos < body.size(); ++i) {
        const Line line = lineAt(body, pos);
        const QByteArrayView text(body.constData() + line.start, line.end - line.start);
        if (text.contains('<')) {
            return {};
        }
        if (text.size() > 2 && text.startsWith("--")) {
            return text.sliced(2).trimmed().toByteArray();
        }
        pos = line.next;
    }
    return {};
}

} // namespace doz::revorur::mime
