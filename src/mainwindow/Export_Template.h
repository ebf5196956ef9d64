#pragma once
// The template-name dialog: asks the name of a new template ("Export as
// template") or the new name of a user template ("Rename Template").
// template_passed holds the old name when renaming, "" otherwise. OK leaves
// the name in export_template_name.
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;

namespace zelk {
struct DesignContents;
}

class Export_Template : public QDialog {
    Q_OBJECT
public:
    static Export_Template* defaultInstance();

    QLineEdit* template_name = nullptr;
    // The caption of template_name, set by each opening.
    QLabel* template_name_label = nullptr;
    QString template_passed;
    // When set, OK checks the name with it instead of the template checks
    // (renaming something that is not a template): true accepts the name
    // in *cleanName, false keeps the dialog open after saying why.
    std::function<bool(const QString& rawName, QString* cleanName)> nameCheck;

    // Runs the dialog with the title and the caption of its name field: 1
    // when a name was accepted.
    int Open_Wnd(const QString& title, const QString& caption = TemplateNameCaption);
    static inline const QString TemplateNameCaption = QStringLiteral("Template name");
    // OK: the name checks, the replace question; ends the run with 1 only
    // when the name is accepted (the dialog stays open otherwise).
    void OKPressed();
    // Cancel: clears the name and ends the run with 0.
    void CancelPressed();

    // "Export as template": asks a new template's name, then writes the
    // design as that user template with the preview of its front side. 1
    // when written; a failure is shown in a message box.
    static int Export_As_Template_Clicked(const zelk::DesignContents& design);
    static inline const QString ExportTitle = QStringLiteral("Export as Template");

private:
    explicit Export_Template(QWidget* parent = nullptr);
};
