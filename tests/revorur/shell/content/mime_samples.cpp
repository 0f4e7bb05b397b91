#include "mime_samples.h"

#include <QBuffer>
#include <QImage>

namespace doz::revorur::test {

QByteArray sampleArchive(const QList<SamplePart>& parts) {
    QByteArray archive = "MIME-Version: 1.0\r\n"
                         "Content-Type: multipart/related; boundary=\"b0undary\"; type=\"text/html\"\r\n"
                         "\r\n"
                         "This is a multi-part message in MIME format.\r\n\r\n";
    for (const SamplePart& part : parts) {
        archive += "--b0undary\r\n" + part.headers + "\r\n" + part.body + "\r\n";
    }
    return archive + "--b0undary--\r\n";
}

SamplePart htmlPart(const QByteArray& html, const QByteArray& location) {
    QByteArray headers = "Content-Type: text/html; charset=\"utf-8\"\r\n"
                         "Content-Transfer-Encoding: 8bit\r\n";
    if (!location.isEmpty()) {
        headers += "Content-Location: " + location + "\r\n";
    }
    return {headers, html};
}

SamplePart pictureByLocation(const QByteArray& png, const QByteArray& location) {
    return {"Content-Type: image/png\r\nContent-Transfer-Encoding: base64\r\nContent-Location: " + location +
                "\r\n",
            png.toBase64()};
}

SamplePart pictureById(const QByteArray& png, const QByteArray& contentId) {
    return {"Content-Type: image/png\r\nContent-Transfer-Encoding: base64\r\nContent-ID: <" + contentId +
                ">\r\n",
            png.toBase64()};
}

QByteArray samplePng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace doz::revorur::test
