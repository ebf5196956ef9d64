#pragma once
// The user's own templates in Created_Resource_Path/"Templates"/"User": a
// design file in start mode "T" ("<name>.did") beside its preview picture
// ("<name>.png"). Copy, rename, delete, the checks of the template-name
// dialog, and saving the design as a template.
#include <QImage>
#include <QString>

namespace zelk {
struct DesignContents;
}

class UserTemplates {
public:
    // Texts the user sees.
    static inline const QString SelectTemplateMessage = QStringLiteral("Please select template.");
    static inline const QString CopyQuestion = QStringLiteral("Do you want to make copy of this template?");
    static inline const QString DeleteQuestion = QStringLiteral("Do you want to delete this template?");
    static inline const QString EnterNameMessage = QStringLiteral("Please enter template name.");
    static inline const QString ReplaceQuestion =
        QStringLiteral("Template with this name already exists, Do you want to replace the existing template?");
    static inline const QString ExistsMessage = QStringLiteral("Template with this name already exists.");
    static inline const QString RenameTitle = QStringLiteral("Rename Template");

    static QString folder();
    static QString previewPathOf(const QString& name);  // folder/name.png
    static QString designPathOf(const QString& name);   // folder/name.did

    // A usable choice: a non-empty path to an existing file.
    static bool isUsableChoice(const QString& previewPath);

    // The first free "<name> (copy n).<ext>" beside the file (n = 1, 2, ...).
    // For a preview, the design file of the same name must be free as well.
    static QString freeCopyPath(const QString& previewPath);

    // Copies preview and design to freeCopyPath. Empty on failure.
    static QString copyTemplate(const QString& previewPath);
    // Gives the template the name: preview folder/newName.png (a picture of
    // another kind is converted), design folder/newName.did. The old files
    // go only once both new ones are written. Returns the new preview path
    // ("" on failure, the old template then left as it was); the same path
    // when nothing needed doing.
    static QString renameTemplate(const QString& previewPath, const QString& newName);
    // Deletes preview and design; true when neither is left.
    static bool deleteTemplate(const QString& previewPath);

    // ---- The template-name dialog (Export_Template.OKPressed) ----
    enum NameCheck {
        NameAccepted,   // *cleanName is the name to use
        NameEmpty,      // "Please enter template name."
        AskReplace,     // ask ReplaceQuestion; Yes accepts, No keeps the dialog open
        NameTaken,      // "Template with this name already exists."
    };
    // rawName: the name field; oldName: the name being renamed ("" for a
    // new template). The name is trimmed and cleared of characters a file
    // name may not hold.
    static NameCheck checkTemplateName(const QString& rawName, const QString& oldName, QString* cleanName);

    // Writes the design as template `name` (mode "T") and its preview. The
    // preview is written first; a failed design write removes it again.
    // False (with the reason in *error) on failure.
    static bool exportAsTemplate(const QString& name, const zelk::DesignContents& design, const QImage& preview,
                                 QString* error = nullptr);

    // The preview of a design: its front side as the card face and the
    // renderer draw it, at 144 dpi (the card face installed at start-up).
    static QImage previewOf(const zelk::DesignContents& design);
    static constexpr double PreviewDpi = 144.0;
};
