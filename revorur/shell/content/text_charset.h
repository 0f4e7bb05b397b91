#pragma once

#include <QByteArray>
#include <QString>

namespace doz::revorur::mime {

// Decodes page text in the named charset (MIME or <meta> name, any case). Latin-1 and
// ASCII are read as windows-1252, as browsers do. A missing or unknown name reads UTF-8
// when the bytes are valid UTF-8 and windows-1252 otherwise, which maps every byte, so
// decoding never fails.
QString decodeText(const QByteArray& bytes, const QByteArray& charset);

// The charset an HTML page declares in a <meta> tag near its start, or empty.
QByteArray declaredHtmlCharset(const QByteArray& html);

} // namespace doz::revorur::mime
