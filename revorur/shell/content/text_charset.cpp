#include "revorur/shell/content/text_charset.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <array>
#include <optional>

namespace doz::revorur::mime {
namespace {

// windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five unassigned bytes there
// read as the replacement character.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

constexpr std::array<const char*, 11> kCp1252Names = {"windows-1252", "cp1252",     "x-cp1252", "iso-8859-1",
                                                      "iso8859-1",    "iso_8859-1", "latin1",   "latin-1",
                                                      "l1",           "us-ascii",   "ascii"};

constexpr std::array<const char*, 2> kUtf8Names = {"utf-8", "utf8"};

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

std::optional<QString> decodeUtf8Strictly(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

template <std::size_t N> bool isOneOf(const QByteArray& name, const std::array<const char*, N>& names) {
    for (const char* candidate : names) {
        if (name == candidate) {
            return true;
        }
    }
    return false;
}

} // namespace

QString decodeText(const QByteArray& bytes, const QByteArray& charset) {
    const QByteArray name = charset.trimmed().toLower();
    if (isOneOf(name, kCp1252Names)) {
        return decodeCp1252(bytes);
    }
    if (isOneOf(name, kUtf8Names)) {
        return QStringDecoder(QStringDecoder::Utf8).decode(bytes);
    }
    if (!name.isEmpty()) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) {
            return decoder.decode(bytes);
        }
    }
    if (auto text = decodeUtf8Strictly(bytes)) {
        return *text;
    }
    return decodeCp1252(bytes);
}

QByteArray declaredHtmlCharset(const QByteArray& html) {
    // The declaration belongs in <head>; looking further would pick up page text.
    constexpr qsizetype kHeadLength = 4096;
    static const QRegularExpression pattern(
        QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([A-Za-z0-9_:.\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(html.left(kHeadLength)));
    if (!match.hasMatch()) {
        return {};
    }
    // A declaration readable as single bytes cannot be true of a UTF-16 page.
    const QByteArray name = match.captured(1).toLatin1();
    return name.toLower().startsWith("utf-16") ? QByteArray("utf-8") : name;
}

} // namespace doz::revorur::mime
