#pragma once

#include <QByteArray>

namespace doz::revorur::mime {

// Quoted-printable body to bytes: "=XX" (either case) is a byte, "=" before a line end
// (blanks allowed between) is a soft break, and any other "=" stays as it is.
QByteArray decodeQuotedPrintable(const QByteArray& body);

// A part body under its Content-Transfer-Encoding: base64 (characters outside the alphabet
// are skipped, a cut-off tail decodes as far as it goes), quoted-printable, and everything
// else (7bit, 8bit, binary, unknown) as it stands.
QByteArray decodeTransferEncoding(const QByteArray& body, const QByteArray& encoding);

} // namespace doz::revorur::mime
