#pragma once
// The few calls the design model makes into the main window. The model sits
// below the window in the layers, so the window installs itself as the host;
// until then (and in tests) a default host answers without any window.
#include <QImage>
#include <QString>

class SKTGraphic;

namespace zelk {

class ModelHost {
public:
    virtual ~ModelHost();

    // A graphic's bounds changed; the inspector's position and size fields
    // follow it. Only called on the GUI thread (see SKTGraphic::setBounds).
    virtual void Set_Control_Pos_And_Size(SKTGraphic* graphic) = 0;

    // The filtered picture of an image graphic, made from its unfiltered
    // picture _contents and its filter fields; a null image for none.
    virtual QImage Get_Image_With_Update_Settings(const SKTGraphic& graphic) = 0;

    // A picture path relocated into the application's resources when it
    // points there; other paths come back unchanged.
    virtual QString Check_Path_For_App_Resources(const QString& path) = 0;

    // A preview of the picture file at the path, at most 500 x 500 pixels,
    // or a null image when there is no readable picture there.
    virtual QImage Get_Image_For_Path(const QString& path, bool asIcon) = 0;
};

// The host without a window: positions are not reported, paths are returned
// unchanged, pictures are read from their files and not filtered.
// Safe to call from any thread.
class DefaultModelHost : public ModelHost {
public:
    void Set_Control_Pos_And_Size(SKTGraphic* graphic) override;
    QImage Get_Image_With_Update_Settings(const SKTGraphic& graphic) override;
    QString Check_Path_For_App_Resources(const QString& path) override;
    QImage Get_Image_For_Path(const QString& path, bool asIcon) override;
};

// Side of the preview box of Get_Image_For_Path, in pixels.
constexpr int PreviewPictureSide = 500;

// Reads a picture file and scales it down to fit side x side pixels (keeping
// its aspect ratio; smaller pictures are kept as they are). The result records
// no resolution of its own, so it counts 72 dpi: one pixel per point. A null
// image when the file is missing or unreadable.
QImage readPicturePreview(const QString& path, int side = PreviewPictureSide);

// The installed host; the default host when none is installed. The host
// object is not owned; installing nullptr restores the default.
ModelHost* modelHost();
void setModelHost(ModelHost* host);

}  // namespace zelk
