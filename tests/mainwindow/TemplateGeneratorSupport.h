#pragma once
// Builds the shipped templates and interface pictures (see
// TemplateGeneratorTest.cpp).
#include "mainwindow/DesignFile.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace zelk::test {

// Previews are drawn at this resolution.
constexpr double templatePreviewDpi = 144.0;

// The card picture of a design's front side, as the previews are drawn.
QImage renderFront(const zelk::DesignContents& design, double dpi = templatePreviewDpi);

// Writes root/Templates/<category folder>/<name>.did and .png for every
// template, and the interface pictures into root.
bool generateShippedResources(const QString& root, QString* error);

// "no.png", "pic_err.png", ...: the pictures the interface reads.
QStringList interfacePictureNames();

}  // namespace zelk::test
