#pragma once
// The start chooser's window: five ways to begin, each setting the start
// mode, and Exit. Run through Open_Wnd; the chosen mode is in chosenMode
// ("" when the window was cancelled).
#include <QDialog>
#include <QMap>
#include <QString>

class QPushButton;

class StartChooserWindow : public QDialog {
    Q_OBJECT
public:
    static StartChooserWindow* defaultInstance();

    // Shows the window application-modal; the mode chosen, or "".
    QString Open_Wnd();
    // A button's action: Start_Card_Option's letter of the button.
    void Start_Card_Option_Clicked(const QString& mode);
    void Exit_Clicked();

    QString chosenMode;
    // The buttons by their mode letter.
    QMap<QString, QPushButton*> modeButtons;

private:
    explicit StartChooserWindow(QWidget* parent = nullptr);
};
