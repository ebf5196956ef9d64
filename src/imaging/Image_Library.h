#pragma once
// The image library: the pictures shipped with the application as
// thumbnails, the stock pictures by category ("C") or the card backgrounds,
// and the path of the one chosen. Each category keeps its folder's own name
// and opens that folder; the list shows the name capitalised.
#include <QDialog>
#include <QString>

class BackgroundGallery;
class QComboBox;
class QLabel;
class QListView;
class QSlider;

class Image_Library : public QDialog {
    Q_OBJECT
public:
    static Image_Library* defaultInstance();
    explicit Image_Library(QWidget* parent = nullptr);
    ~Image_Library() override;

    QString control_or_BG = QStringLiteral("C");
    QString selected_image;

    // Runs the window modally: 1 with selected_image, 0 on Cancel.
    int Open_Library_Window();
    void Fill_Combobox();
    // Loads the pictures of the category at `index` of the list.
    void categoryChosen(int index);
    void Load_and_fill_backgrounds();
    void zoomSliderDidChange();
    void OK_Clicked();
    void Cancel_Clicked();

    // A name as the category list shows it: each word's first letter upper
    // case, its other letters lower case.
    static QString capitalized(const QString& name);
    double zoom() const;

    BackgroundGallery* images = nullptr;
    QListView* imageBrowser = nullptr;
    QSlider* _zoom_slider = nullptr;
    QLabel* _zoom_label = nullptr;
    QComboBox* cat_cmbo_bx = nullptr;
    QLabel* category_label = nullptr;

protected:
    void reject() override { Cancel_Clicked(); }

private:
    void selectionChanged();
    void selectFirst();
    QString libraryFolder() const;
};
