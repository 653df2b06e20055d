// The menus, the tool buttons above the pages and the file-name label.
#pragma once

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QToolButton;
class QUndoStack;
class QWidget;

namespace ws {

struct MainChrome {
    QMenu* Open1 = nullptr;   // "File"
    QAction* New1 = nullptr;  // the start-up aircraft, never saved
    QAction* Open2 = nullptr;
    QAction* Save2 = nullptr;
    QAction* Save3 = nullptr;
    QAction* Print1 = nullptr;
    QMenu* Export1 = nullptr;  // "Export": the planform drawings and the AVL input
    QAction* ExportSvg1 = nullptr;
    QAction* ExportDxf1 = nullptr;
    QAction* ExportAvl1 = nullptr;
    QAction* Template1 = nullptr;  // the 1:1 template
    QAction* Compare1 = nullptr;   // another aircraft side by side
    QMenu* Recent1 = nullptr;      // the last aircraft files, most recent first
    QMenu* Examples1 = nullptr;    // the example aircraft, opened as copies never saved
    QAction* Exit1 = nullptr;
    QMenu* EEdit1 = nullptr;   // "Edit"
    QAction* Undo1 = nullptr;  // the history's own actions (attachUndoActions)
    QAction* Redo1 = nullptr;
    QAction* wing11 = nullptr;
    QAction* wing21 = nullptr;
    QAction* wing31 = nullptr;
    QAction* aircraft1 = nullptr;
    QAction* Converged1 = nullptr;  // checkable: Calculate gives the converged estimate
    QAction* Study1 = nullptr;      // the parameter study
    QMenu* Units1 = nullptr;        // "Units": one of mm, cm, in, checked
    QAction* UnitMm1 = nullptr;
    QAction* UnitCm1 = nullptr;
    QAction* UnitIn1 = nullptr;
    QMenu* Langu1 = nullptr;  // names the other language
    QAction* german1 = nullptr;
    QAction* francais1 = nullptr;
    QAction* spain1 = nullptr;
    QAction* Info1 = nullptr;
    QAction* Calculate1 = nullptr;        // behind Button4 and SpeedButton4; in no menu
    QToolButton* SpeedButton1 = nullptr;  // open
    QToolButton* SpeedButton2 = nullptr;  // save as
    QToolButton* SpeedButton3 = nullptr;  // save
    QToolButton* SpeedButton5 = nullptr;  // print
    QToolButton* SpeedButton4 = nullptr;  // calculate
    QLabel* Lab_FName = nullptr;
};

// Menus go into the window's menu bar, the buttons and the label onto
// `client` (the area below the menu bar). Each tool button shows its menu
// command's action; the shortcuts are Qt's standard keys. Captions come later.
MainChrome buildMainChrome(QMainWindow* window, QWidget* client);

// Undo1 and Redo1 at the top of "Edit": the history's own actions, named
// after the step in the language in force. Made anew on a language switch,
// which they cannot follow by themselves.
void attachUndoActions(MainChrome& chrome, QUndoStack* history);

}  // namespace ws
