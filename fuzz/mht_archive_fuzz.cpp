// Content pages: any bytes decode to a page (possibly empty) without fault, and the references
// a page can make are looked up safely. The transfer encodings and charsets decode any body.

#include "revorur/shell/content/mht_archive.h"
#include "revorur/shell/content/text_charset.h"
#include "revorur/shell/content/transfer_encoding.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace doz::revorur;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const MhtArchive archive = MhtArchive::decode(bytes);
    for (const char* reference : {"cid:image001", "image001.png", "file:///C:/page_files/a.gif", "a.css"})
        (void)archive.resource(QUrl(QString::fromLatin1(reference)));
    if (archive.resourceCount() < 0)
        std::abort();

    // Quoted-printable never grows a body; base64 shrinks it.
    if (mime::decodeQuotedPrintable(bytes).size() > bytes.size())
        std::abort();
    if (mime::decodeTransferEncoding(bytes, "base64").size() > bytes.size())
        std::abort();
    (void)mime::decodeText(bytes, mime::declaredHtmlCharset(bytes));
    (void)mime::decodeText(bytes, "utf-16");
    return 0;
}
