#pragma once
// The grid window: colour, spacing and show/hide of the canvases' grid.
// Every change applies to the grid at once; OK and Cancel only close the
// window (Cancel does not undo what was changed).
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class SKTGrid;

class Grid_Wizard : public QDialog {
    Q_OBJECT
public:
    static Grid_Wizard* defaultInstance();

    // The grid the window changes (not owned).
    void setGrid(SKTGrid* grid) { grid_ = grid; }
    SKTGrid* grid() const { return grid_; }

    // Loads the controls from the grid, then runs the window
    // application-modal: 1 for OK, 0 for Cancel.
    int Open_Wnd();
    void loadFromGrid();

    // The controls' actions.
    void Grid_Clr_Changed(const QColor& color);
    void Grid_Slider_Changed(int spacing);
    void Grid_Show_Hide_Changed(bool shown);

    QPushButton* Grid_clr = nullptr;
    QSlider* Grid_Space_slidr = nullptr;
    QLabel* Grid_Space_val = nullptr;  // the spacing, in points, beside the slider
    QCheckBox* Show_hide_grid_chk = nullptr;
    QGroupBox* Grid_Opt_box = nullptr;

private:
    explicit Grid_Wizard(QWidget* parent = nullptr);
    void showColor(const QColor& color);
    void showSpacing(int spacing);

    SKTGrid* grid_ = nullptr;
};
