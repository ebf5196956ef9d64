#include "imaging/Image_Library.h"

#include "dialogs/DialogRunner.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "inspector/BackgroundGallery.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <exception>

namespace {

Image_Library* Image_Library_window = nullptr;

// Thumbnails at zoom 1; the slider runs from 0.1 to 1.
constexpr int FullIconSide = 240;

}  // namespace

Image_Library* Image_Library::defaultInstance() {
    if (!Image_Library_window)
        Image_Library_window = new Image_Library(Main_App_wnd);
    return Image_Library_window;
}

Image_Library::Image_Library(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Image_Library"));
    setWindowTitle(QStringLiteral("Image Library"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgbF(0.9450980392156862, 0.9568627450980393, 0.9803921568627451));
    setPalette(pal);
    setAutoFillBackground(true);
    resize(760, 560);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    category_label = new QLabel(QStringLiteral("Category:"));
    cat_cmbo_bx = new QComboBox;
    cat_cmbo_bx->setMinimumWidth(200);
    top->addWidget(category_label);
    top->addWidget(cat_cmbo_bx);
    top->addStretch();
    _zoom_label = new QLabel(QStringLiteral("Zoom:"));
    _zoom_slider = new QSlider(Qt::Horizontal);
    _zoom_slider->setRange(10, 100);
    _zoom_slider->setFixedWidth(160);
    top->addWidget(_zoom_label);
    top->addWidget(_zoom_slider);
    layout->addLayout(top);

    images = new BackgroundGallery(this);
    imageBrowser = new QListView;
    imageBrowser->setViewMode(QListView::IconMode);
    imageBrowser->setResizeMode(QListView::Adjust);
    imageBrowser->setMovement(QListView::Snap);
    imageBrowser->setSelectionMode(QAbstractItemView::SingleSelection);
    imageBrowser->setDragDropMode(QAbstractItemView::InternalMove);
    imageBrowser->setDefaultDropAction(Qt::MoveAction);
    imageBrowser->setSpacing(8);
    imageBrowser->setWordWrap(true);
    imageBrowser->setModel(images);
    layout->addWidget(imageBrowser, 1);

    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &Image_Library::OK_Clicked);
    connect(cancel, &QPushButton::clicked, this, &Image_Library::Cancel_Clicked);
    connect(_zoom_slider, &QSlider::valueChanged, this, &Image_Library::zoomSliderDidChange);
    connect(cat_cmbo_bx, &QComboBox::activated, this, &Image_Library::categoryChosen);
    connect(imageBrowser->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Image_Library::selectionChanged);
    _zoom_slider->setValue(40);
    zoomSliderDidChange();
}

Image_Library::~Image_Library() {
    if (Image_Library_window == this)
        Image_Library_window = nullptr;
}

QString Image_Library::libraryFolder() const { return QDir(Resource_Path).filePath(QStringLiteral("LibraryImage")); }

double Image_Library::zoom() const { return _zoom_slider->value() / 100.0; }

QString Image_Library::capitalized(const QString& name) {
    QString out = name;
    bool wordStart = true;
    for (QChar& c : out) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            wordStart = true;
            continue;
        }
        c = wordStart ? c.toUpper() : c.toLower();
        wordStart = false;
    }
    return out;
}

int Image_Library::Open_Library_Window() {
    try {
        images->clear();
        _zoom_slider->setValue(40);
        zoomSliderDidChange();
        selected_image.clear();
        if (control_or_BG == QLatin1String("C")) {
            setWindowTitle(QStringLiteral("Image Library"));
            Fill_Combobox();
            categoryChosen(0);
            cat_cmbo_bx->show();
            category_label->show();
        } else {
            setWindowTitle(QStringLiteral("Background Image Library"));
            cat_cmbo_bx->hide();
            category_label->hide();
            Load_and_fill_backgrounds();
        }
        _zoom_slider->setEnabled(images->numberOfItemsInImageBrowser() > 0);
        selectFirst();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
    setResult(0);
    return zelk::DialogRunner::run(this);
}

void Image_Library::Fill_Combobox() {
    cat_cmbo_bx->clear();
    const QFileInfo library(libraryFolder());
    if (!library.isDir())
        return;
    // Shown capitalised, opened by the folder's own name: a file system that
    // minds case finds no "animals" under "Animals".
    for (const QFileInfo& entry : QDir(library.filePath()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        cat_cmbo_bx->addItem(capitalized(entry.fileName()), entry.fileName());
    if (cat_cmbo_bx->count() > 0)
        cat_cmbo_bx->setCurrentIndex(0);
}

void Image_Library::categoryChosen(int index) {
    if (index < 0 || index >= cat_cmbo_bx->count())
        return;
    const QString folder = QDir(libraryFolder()).filePath(cat_cmbo_bx->itemData(index).toString());
    // A folder gone since the list was filled leaves the pictures shown.
    images->Load_and_fill_backgrounds(folder);
    selectFirst();
}

void Image_Library::Load_and_fill_backgrounds() {
    images->Load_and_fill_backgrounds(QDir(Resource_Path).filePath(QStringLiteral("Background")));
    selectFirst();
}

void Image_Library::zoomSliderDidChange() {
    const int side = int(FullIconSide * zoom());
    imageBrowser->setIconSize(QSize(side, side));
    imageBrowser->setGridSize(QSize(side + 24, side + 40));
}

void Image_Library::selectionChanged() {
    const QModelIndexList chosen = imageBrowser->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty())
        selected_image = images->itemAtIndex(chosen.first().row()).valueForKey(QStringLiteral("path")).toString();
}

void Image_Library::selectFirst() {
    if (images->numberOfItemsInImageBrowser() > 0)
        imageBrowser->setCurrentIndex(images->index(0));
}

void Image_Library::OK_Clicked() {
    if (!selected_image.isEmpty() && QFileInfo(selected_image).isFile()) {
        done(1);
        return;
    }
    Show_MessageBox(QStringLiteral("Please select image."));
}

void Image_Library::Cancel_Clicked() {
    selected_image.clear();
    done(0);
}
