#pragma once
// The text-template dialog: ready-made titles ("Title.txt") or messages
// ("Message.txt") from the resources, one per line. The caller sets
// title_or_msg to "T" or "M"; OK leaves the chosen text in Template_Msg_Val.
#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;

// The text chosen in the text-template dialog ("" when none).
extern QString Template_Msg_Val;

class Insert_Template : public QDialog {
    Q_OBJECT
public:
    static Insert_Template* defaultInstance();

    QString title_or_msg = QStringLiteral("T");  // "T" titles, "M" messages

    // Fills the list for title_or_msg and runs the dialog: 1 on OK with a
    // text chosen (in Template_Msg_Val), else 0 and Template_Msg_Val "".
    int Open_Template_Dialog();
    void OK_Clicked();
    void Cancel_Clicked();

    // The snippets of a text file: one per line, blank lines skipped.
    static QStringList readSnippets(const QString& path);
    // Resource_Path/"Title.txt" for "T", "Message.txt" otherwise.
    static QString snippetFile(const QString& titleOrMsg);

    QListWidget* template_list = nullptr;

private:
    explicit Insert_Template(QWidget* parent = nullptr);
};
