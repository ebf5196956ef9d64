#pragma once
// Process-wide barcode values. The settings window writes them on the main
// thread; production on other threads reads a TwoDSettings copy instead.
#include <QImage>
#include <QSizeF>

// Resolution of 2D bitmaps in dots per inch; 600 at start and for "Auto".
extern int USED_DPI_VALUE;
// Selected QR version index (0 "Auto", n version n) and level index (0 L .. 3 H).
extern int QR_Version_Val;
extern int QR_EC_Level_Val;
// Unit of the settings window's sizes: always 2, millimetres.
extern int BARCODE_Unit_Is;
// Module size in points of the DataMatrix picture being made.
extern int Barcode_module_size;

namespace zelk {

// The value text of linear symbols without added letter spacing: one
// setting of the process, edited by the settings window and copied by each
// barcode job when it starts.
extern bool barcodeValueWithoutKerning;

// Pixels needed for `points` at `dpi`: the quotient in double precision,
// rounded to single precision, then rounded up; 0 beyond 32,767 pixels,
// which no picture can have.
int pixelsForPoints(double points, double dpi);

// Marks an image so that its size in points is `points` (resolution in dots
// per metre, set separately for width and height).
void setSizeInPoints(QImage& image, QSizeF points);

// The size in points that an image's resolution gives it.
QSizeF sizeInPoints(const QImage& image);

}  // namespace zelk

// The image redrawn into a bitmap of ceil(dpi × size ÷ 72) pixels per side
// without interpolation, keeping its size in points; a null image for an
// invalid one ("Invalid image" in the log).
QImage Increase_DPI(const QImage& image, double dpi);
