#pragma once

// Builders of MIME archives and pictures for the content tests.

#include <QByteArray>
#include <QList>
#include <QString>

namespace doz::revorur::test {

struct SamplePart {
    QByteArray headers; // header lines, each ending in "\r\n"
    QByteArray body;
};

// A multipart/related archive over the parts, with boundary "b0undary".
QByteArray sampleArchive(const QList<SamplePart>& parts);

SamplePart htmlPart(const QByteArray& html, const QByteArray& location = {});
SamplePart pictureByLocation(const QByteArray& png, const QByteArray& location);
SamplePart pictureById(const QByteArray& png, const QByteArray& contentId);

// A PNG of the given size, so a decoded picture can be told apart by its size.
QByteArray samplePng(int width, int height);

} // namespace doz::revorur::test
