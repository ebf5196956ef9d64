#pragma once
// What a canvas asks of the main window. The main window sits above the
// canvas in the layers, so it installs itself as the host of its canvases;
// until then (and in tests) the default host answers without any window.
#include "foundation/Units.h"

#include <QImage>
#include <QString>

class Card_Property;
class SKTGraphic;

namespace zelk {

class CanvasHost {
public:
    virtual ~CanvasHost();

    // The inspector shows the graphic, or the card side for nullptr.
    virtual void Show_RHS_Properties(SKTGraphic* graphic) = 0;
    // The picture of a barcode graphic's settings for the value (header and
    // footer from the graphic); a null image when none can be made.
    virtual QImage barcodeImage(SKTGraphic& graphic, const QString& value) = 0;
    // Opens the barcode settings window on the graphic (double click).
    virtual void Open_Barcode_Window(SKTGraphic* graphic) = 0;

    // Set while profile values are filled in: creation and replacement by
    // control ID then record no undo steps.
    virtual bool Fill_User_Profile() const = 0;
    // Set while a live list edit is in progress: no undo step is recorded.
    virtual bool live_mode_list_value_change() const = 0;
    // The current side: 0 front, else back.
    virtual int Card_Front_Or_Back() const = 0;
    // The unit in which the width and height fields are read.
    virtual MeasureUnit Measument_Unit_Is() const = 0;

    // The picture the image library has chosen ("" for none), read when an
    // image graphic is created and written when the no-image picture is used.
    virtual QString Library_Selected_Image() const = 0;
    virtual void setLibrary_Selected_Image(const QString& path) = 0;
    // Start mode ("T", "W", "L", "V", "G") and, in group mode, the workbook
    // column a control ID is bound to (-1 for none).
    virtual QString Start_Card_Option() const = 0;
    virtual int Get_Excel_Coulmn_Index_According_ID(const QString& controlId) = 0;

    // The card face of the sides (nullptr while there is none) and the card
    // shape (1 rounded rectangle, 2 oval, else rectangle).
    virtual const Card_Property* frontCardProperty() const = 0;
    virtual const Card_Property* backCardProperty() const = 0;
    virtual int Card_Shape() const = 0;
    // Undo or redo of a step that changed a side's card face gives that side
    // this face back (Card_Property::takeFaceOf).
    virtual void restoreCardFace(int side, const Card_Property& face) = 0;
};

// A host without a window: it records nothing and answers with plain
// values kept in public fields, which tests set.
class DefaultCanvasHost : public CanvasHost {
public:
    void Show_RHS_Properties(SKTGraphic*) override {}
    QImage barcodeImage(SKTGraphic&, const QString&) override { return QImage(); }
    void Open_Barcode_Window(SKTGraphic*) override {}
    bool Fill_User_Profile() const override { return fillUserProfile; }
    bool live_mode_list_value_change() const override { return liveModeListValueChange; }
    int Card_Front_Or_Back() const override { return cardFrontOrBack; }
    MeasureUnit Measument_Unit_Is() const override { return unit; }
    QString Library_Selected_Image() const override { return librarySelectedImage; }
    void setLibrary_Selected_Image(const QString& path) override { librarySelectedImage = path; }
    QString Start_Card_Option() const override { return startCardOption; }
    int Get_Excel_Coulmn_Index_According_ID(const QString&) override { return -1; }
    const Card_Property* frontCardProperty() const override { return frontProperty; }
    const Card_Property* backCardProperty() const override { return backProperty; }
    int Card_Shape() const override { return cardShape; }
    // Its card properties belong to the test.
    void restoreCardFace(int, const Card_Property&) override {}

    bool fillUserProfile = false;
    bool liveModeListValueChange = false;
    int cardFrontOrBack = 0;
    MeasureUnit unit = MeasureUnit::Mm;
    QString librarySelectedImage;
    QString startCardOption;
    const Card_Property* frontProperty = nullptr;
    const Card_Property* backProperty = nullptr;
    int cardShape = 0;
};

// The host a canvas uses when none was given to it: one process-wide
// default host.
CanvasHost* defaultCanvasHost();

}  // namespace zelk
