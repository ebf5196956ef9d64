#pragma once
// The user's picture folder of the data tree: where the camera saves, and
// where a picture with no file of its own (a pasted one) is written so that
// a design can name it.
#include <QImage>
#include <QString>

namespace zelk {

class UserPictureFolder {
public:
    // The folder named in "idcardcampics.txt" of the data folder when that
    // folder exists, else the data folder's "Images_save_by_user".
    static QString path();
    // The file that records the camera folder.
    static QString recordFile();

    // Writes the picture as PNG under a new name in path() (made when
    // missing). Its path; "" with the reason in *error when it cannot be
    // written whole (no file is left behind then).
    static QString storePicture(const QImage& picture, QString* error = nullptr);
};

}  // namespace zelk
