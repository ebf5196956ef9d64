#pragma once
// The ranges of the barcode settings window's steppers and its fixed lists
// (resolution, alignment). Production clamps a graphic's stored numbers to
// the same ranges, so a hostile design cannot ask for a picture larger than
// the window lets the user choose.
#include <QFont>
#include <QString>
#include <QStringList>

namespace zelk {

struct StepperRange {
    double minimum;
    double maximum;
    double step;
    double fallback;  // taken by a value that is not a number

    // The value inside the range.
    double clamp(double value) const;
};

class BarcodeLimits {
public:
    BarcodeLimits() = delete;

    // Linear symbols: bar height and margins in millimetres, the narrowest
    // module in mils.
    static constexpr StepperRange barHeightMm{1.0, 50.0, 0.5, 6.0};
    static constexpr StepperRange barWidthMils{5.0, 100.0, 1.0, 20.0};
    static constexpr StepperRange marginMm{0.0, 20.0, 0.5, 1.0};
    // 2D pictures in points; the QR size's minimum rises with the version.
    static constexpr StepperRange qrSize{21.0, 300.0, 1.0, 60.0};
    static constexpr StepperRange pdfWidth{20.0, 600.0, 1.0, 100.0};
    static constexpr StepperRange pdfHeight{10.0, 300.0, 1.0, 20.0};
    static constexpr StepperRange pdfErrorLevel{0.0, 8.0, 1.0, 2.0};
    static constexpr StepperRange pdfRows{3.0, 90.0, 1.0, 3.0};
    static constexpr StepperRange pdfColumns{1.0, 30.0, 1.0, 1.0};
    static constexpr StepperRange dmModule{1.0, 10.0, 1.0, 2.0};
    static constexpr StepperRange dmSide{1.0, 1440.0, 1.0, 20.0};
    // Custom resolution, dots per inch.
    static constexpr StepperRange customDpi{72.0, 1200.0, 1.0, 600.0};
    // Point size of the value, header and footer fonts.
    static constexpr StepperRange fontSize{1.0, 100.0, 1.0, 10.0};

    // Pixels a finished picture may have; a larger one is not made.
    static constexpr qint64 maxPicturePixels = 64'000'000;
    // Linear pictures hold whole-pixel modules at this resolution.
    static constexpr int linearDpi = 600;

    // The smallest QR size for a version index (0 "Auto"): the version's
    // module count, so that each module gets at least one pixel.
    static int qrMinimumSize(int versionIndex);

    // The resolution list in stored order: "Auto", numbers, "Custom".
    static const QStringList& resolutionTitles();
    static int customResolutionIndex();
    // Dots per inch of a resolution item: 600 for "Auto" and for an index
    // outside the list, the clamped custom text for "Custom".
    static int resolutionOf(int index, const QString& customText);

    // The font with its size inside fontSize (a font without a size gets
    // the fallback).
    static QFont clampedFont(QFont font);

    // An index of a list of `count` items, or `fallback` when outside it.
    static int indexOr(int index, int count, int fallback);
};

}  // namespace zelk
