#pragma once
// Graphics with every field away from its default, the comparison the model
// tests share, and a hostile picture header for the readers' limits.
#include "foundation/SKTGraphic.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <memory>

namespace zelk::test {

// The names of every stored field of a graphic.
QStringList allGraphicFieldNames();

// A small picture with transparent and coloured pixels at the given
// resolution (dots per inch; 0 leaves the picture without one).
QImage makeTestPicture(int width, int height, int dpi, QRgb seed);

// Sets every field of the graphic to a value other than its default.
void setEveryFieldOffDefault(SKTGraphic& g);

// A graphic of the kind with every field off its default.
std::shared_ptr<SKTGraphic> makeFilledGraphic(GraphicKind kind);

// Every kind, for table-driven tests.
const QList<GraphicKind>& allGraphicKinds();

// Passes when the two graphics are of one kind and equal field by field;
// otherwise names the fields that differ.
::testing::AssertionResult graphicsMatch(const SKTGraphic& expected, const SKTGraphic& actual);

// The signature and IHDR chunk of a PNG claiming the size (8-bit RGBA), with
// a valid CRC, and no picture data.
QByteArray pngHeaderClaiming(quint32 width, quint32 height);

}  // namespace zelk::test
