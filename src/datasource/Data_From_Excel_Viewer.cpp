// The read-only viewer window of the Excel table (the only widget code of
// the table; its rules live in Data_From_Excel.cpp).
#include "datasource/Data_From_Excel.h"
#include "datasource/ExcelTableModel.h"
#include "dialogs/DialogRunner.h"
#include "foundation/Utilities.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

int Data_From_Excel::Open_Wnd() {
    try {
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Data_From_Excel"));
        dialog.setWindowTitle(QStringLiteral("Excel Data"));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setAutoFillBackground(true);
        QPalette pal = dialog.palette();
        pal.setColor(QPalette::Window, QColor(241, 244, 250));
        dialog.setPalette(pal);

        auto* layout = new QVBoxLayout(&dialog);
        auto* counts = new QFormLayout;
        auto* rows = new QLabel(QString::number(viewerRowCount()), &dialog);
        rows->setObjectName(QStringLiteral("rows_count"));
        auto* cols = new QLabel(QString::number(viewerColumnCount()), &dialog);
        cols->setObjectName(QStringLiteral("column_count"));
        counts->addRow(QStringLiteral("Rows:"), rows);
        counts->addRow(QStringLiteral("Columns:"), cols);
        layout->addLayout(counts);

        auto* table = new QTableView(&dialog);
        table->setObjectName(QStringLiteral("ColList"));
        table->setModel(tableModel());
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int c = 0; c < ColList().size(); ++c) {
            table->setColumnWidth(c, c == 0 ? 60 : 100);
            table->setColumnHidden(c, ColList().at(c).hidden);
        }
        layout->addWidget(table);

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);  // OK_Click
        layout->addWidget(buttons);
        dialog.resize(640, 420);

        const int code = zelk::DialogRunner::run(&dialog);
        return code == QDialog::Accepted ? 1 : 0;
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
}
