#pragma once
// The main window over a temporary data folder with production's state
// reset; bound graphics, series files and Excel rows; a barcode producer
// made of the encoders alone (Code 128 and the other linear titles, QR).
#include "../mainwindow/MainWindowTestSupport.h"

#include "barcode/BarcodeRenderer.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/NKDBarcodeFactory.h"
#include "barcode/TwoDBarcode.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/BarcodeProducer.h"
#include "production/ProductionGlobals.h"

#include <QDir>
#include <stdexcept>

namespace zelk::test {

class TestBarcodeProducer : public BarcodeProducer {
public:
    bool fail = false;  // throws, as a producer that breaks down would
    QImage produceBarcode(const SKTGraphic& g, const QString& value, const QString& header,
                          const QString& footer) override {
        if (fail)
            throw std::runtime_error("encoder out of memory");
        const QString title = BarcodeSymbologies::titleAt(g.barcode_font_index);
        if (BarcodeSymbologies::isTwoD(title)) {
            TwoDSettings s;
            s.qrSize = g.qr_size_val;
            s.dpi = 300;
            return TwoDBarcode::Draw_QR_Barcode(value, s);
        }
        BarcodeRenderSettings s;
        s.hideHeader = g.show_hide_hdr == 1;
        s.hideFooter = g.show_hide_ftr == 1;
        s.barWidthMils = g.linear_width_val;
        const auto b = NKDBarcodeFactory::build(title, value, header, footer, s);
        return b ? BarcodeRenderer::bitmapFromBarcode(*b, 300) : QImage();
    }
};

// A graphic bound to a series (name, stored index) or to an Excel column.
inline std::shared_ptr<SKTGraphic> bound(GraphicKind kind, const QRectF& r, int type, const QString& name, int index) {
    auto g = makeGraphic(kind);
    g->_bounds = g->bar_image_ctrl_bounds = r;
    g->Set_Data_source_type(type);
    g->Set_Batch_List_Name(name);
    g->Set_Batch_List_Index(type == DataSourceType::Series ? index : -1);
    g->Set_Excel_binding_Index(type == DataSourceType::ExcelColumn ? index : -1);
    return g;
}
inline std::shared_ptr<SKTGraphic> seriesBound(GraphicKind kind, const QRectF& r, const QString& name, int index) {
    return bound(kind, r, DataSourceType::Series, name, index);
}
inline std::shared_ptr<SKTGraphic> excelBound(GraphicKind kind, const QRectF& r, int column) {
    return bound(kind, r, DataSourceType::ExcelColumn, QString(), column);
}
// Captions off and small modules, so that a dozen characters fit a card.
inline std::shared_ptr<SKTGraphic> code128(std::shared_ptr<SKTGraphic> g) {
    g->barcode_font_index = BarcodeSymbologies::indexOf(QStringLiteral("Code 128"));
    g->show_hide_hdr = g->show_hide_ftr = 1;
    g->linear_width_val = 10;
    return g;
}

inline QString writePhoto(const QString& path, QRgb colour) {
    QImage photo(16, 16, QImage::Format_RGB32);
    photo.fill(colour);
    return photo.save(path, "PNG") ? path : QString();
}

class ProductionTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        CardFace::install();
        resetProductionGlobals();
        clearTable();
        open();
        QDir().mkpath(Data_Folder_Path);
        window->setBarcodeProducer(&producer);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        resetProductionGlobals();
        clearTable();
    }
    static void clearTable() {
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
    }
    SKTWindowController& w() { return *window; }
    void writeSeries(const QString& name, const QByteArray& text) {
        writeBytes(QDir(Data_Folder_Path).filePath(name + QStringLiteral(".txt")), text);
    }
    // Rows of the Excel table, column 1 first, under titles "Title n".
    static void setExcelRows(const QList<QStringList>& rows, int columns) {
        clearTable();
        for (int c = 1; c <= columns; ++c)
            Data_From_Excel::defaultInstance()->addDataColumn(QStringLiteral("Title %1").arg(c));
        for (const QStringList& r : rows)
            Data_From_Excel::defaultInstance()->Create_List_By_Array(r, columns);
    }
    void setSides(const GraphicList& front, const GraphicList& back = {}) {
        w().Get_Front_Controls_Array() = front;
        w().Get_Back_Controls_Array() = back;
        CARD_SIDE_STR = back.isEmpty() ? CardSide::OneSided : CardSide::TwoSided;
    }

    TestBarcodeProducer producer;
};

}  // namespace zelk::test
