#pragma once

#include <QMainWindow>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Calculate.h"
#include "core/job/JobModels.h"
#include "core/stock/StockList.h"
#include "io/job/Job.h"
#include "io/settings/SettingsPath.h"
#include "io/settings/WindowSettings.h"
#include "io/stock/StockFile.h"
#include "model/Options.h"
#include "model/RegionalSettings.h"
#include "ui/CellBlock.h"
#include "ui/FileDialogs.h"
#include "ui/ReportPrinting.h"
#include "ui/WindowBoxes.h"

class QAction;
class QCheckBox;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QUndoStack;
class QToolButton;
class GridTableModel;
class GridView;
class DiagramWindow;
class HelpWindow;
class HintDisplay;
class MouseUpCheckBox;
struct PlanOutcome;
struct DiagramJob;

// Velmar's one window. Its controls are the job's data: the commands read and
// write the job's models behind them (JobModels, as the batch tool has them),
// which the window shows and keeps in step with what the user types.
class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- Controls -------------------------------------------------------
    QWidget* SpeedBar = nullptr;
    QToolButton* SpeedButton1 = nullptr;  // New
    QToolButton* SpeedButton2 = nullptr;  // Open
    QToolButton* SpeedButton4 = nullptr;  // Save As
    QToolButton* SpeedButton3 = nullptr;  // Print
    QLabel* Label1 = nullptr;
    QLineEdit* Title1 = nullptr;
    GridView* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    GridView* StringGrid2 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* SumaryCheckBox1 = nullptr;
    QCheckBox* ShortCheckBox1 = nullptr;
    MouseUpCheckBox* ItemNumBox1 = nullptr;
    QCheckBox* AltMethodCheckBox1 = nullptr;
    QCheckBox* FewestBarsCheckBox1 = nullptr;
    // Beneath the report: how many bars the last fewest-bars plan uses and
    // how few any plan could use.
    QLabel* Label4 = nullptr;
    QLabel* StatusLine = nullptr;
    // The stock on hand (Length, On Hand, Cost) and whether Calculate cuts
    // the bars from it instead of from bars of Bar Length.
    QWidget* StockWindow = nullptr;
    GridView* StockGrid1 = nullptr;
    QLineEdit* StockEndTrim1 = nullptr;  // the length taken off each stock bar
    // Undo and Redo of the stock list's changes, in the stock window.
    QAction* StockUndoItem = nullptr;
    QAction* StockRedoItem = nullptr;
    QCheckBox* UseStockCheckBox1 = nullptr;

    QMenu* FileMenu = nullptr;
    QAction* FileNewItem = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* FileSaveItem = nullptr;
    QAction* FileSaveAsItem = nullptr;
    QAction* FileImportItem = nullptr;
    QAction* FileExportItem = nullptr;
    QAction* FilePrintItem = nullptr;
    QAction* FilePrintSetupItem = nullptr;
    QAction* FileDiagramItem = nullptr;
    QAction* FileStockItem = nullptr;
    QAction* FileOpenStockItem = nullptr;
    QAction* FileSaveStockItem = nullptr;
    QAction* FileTakeStockItem = nullptr;
    QAction* FileRestoreStockItem = nullptr;
    QAction* FileExitItem = nullptr;
    // The job files opened or saved last, to open again.
    QMenu* RecentMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* EditUndoItem = nullptr;
    QAction* EditRedoItem = nullptr;
    QAction* EditCutItem = nullptr;
    QAction* EditCopyItem = nullptr;
    QAction* EditPasteItem = nullptr;
    QAction* EditDeleteItem = nullptr;
    QAction* EditInsertRowItem = nullptr;
    QAction* EditDeleteRowItem = nullptr;
    QAction* EditCalculateItem = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* HelpContentsItem = nullptr;
    QAction* HelpSearchItem = nullptr;
    QAction* HelpHowToUseItem = nullptr;
    QAction* HelpAboutItem = nullptr;

    // ---- Commands and event handlers ------------------------------------
    void FileNew(QObject* Sender);
    void FileOpen(QObject* Sender);
    void FileSaveAs(QObject* Sender);
    // Saves to the job file last opened or saved, or asks for a name as Save
    // As does when there is none.
    void FileSave(QObject* Sender);
    // The cut list from and to a CSV file: the rows imported replace the
    // list (Undo gives it back); the export holds Qty, Length and Item #.
    void FileImportCutList(QObject* Sender);
    void FileExportCutList(QObject* Sender);
    void FilePrint(QObject* Sender);
    void FilePrintSetup(QObject* Sender);
    // Opens the cutting diagram window, which shows the last complete
    // Calculate and follows every new one.
    void FileDiagram(QObject* Sender);
    void FileExit(QObject* Sender);
    // The stock file: opened into the stock grid, saved from it (under the
    // name it was opened from, or a new one), and remembered to be opened
    // again at the next start.
    void FileOpenStock();
    void FileSaveStock();
    // After a confirmation, takes the last plan from stock its bars from the
    // stock grid (lower On Hand, the remaining leftovers added as offcuts)
    // and saves the stock file; Restore Stock puts back the stock as it was.
    void FileTakeFromStock();
    void FileRestoreStock();
    TStringGrid& StockList() { return stock_; }
    const std::string& StockFilePath() const { return stockPath_; }
    void HelpContents(QObject* Sender);
    void HelpSearch(QObject* Sender);
    void HelpHowToUse(QObject* Sender);
    // The program's name and version.
    void HelpAbout(QObject* Sender);
    // The grids' editing commands. They act on the grid that has the focus,
    // on its selected range or else its current cell; Cut, Copy and Paste
    // go through the clipboard as tab-separated rows.
    void EditUndo();
    void EditRedo();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void EditDelete();
    // Rows of the cut list: an empty row opens at the current one, or the
    // selected rows go, the rows below moving up.
    void EditInsertRow();
    void EditDeleteRow();
    // Opens a job file of the recent jobs, as Open does with a chosen one.
    void FileOpenRecent(const QString& fileName);
    void FormCreate(QObject* Sender);
    void FormActivate(QObject* Sender);
    void Button1Click(QObject* Sender);
    void StringGrid2KeyUp(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void ItemNumBox1MouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                            int X, int Y);
    void FewestBarsClick();

    // The settings file: all six keys from the window, or into it. A refused
    // write throws, ending the command that asked for it.
    void Savelastini();
    void LoadLastini();

    // ---- The models behind the controls ---------------------------------
    TStringGrid& CutList() { return models_->CutList; }
    TStringGrid& BarSettings() { return models_->BarSettings; }
    ReportLines& Report() { return models_->Report; }
    // The grid sorter Calculate orders the cut list with.
    TSortAStringGrid& SortAStringGrid1() { return models_->Sorter; }
    // The check boxes as plain values.
    Options CurrentOptions() const;

    // Brings the models up to date with what the user typed into the report
    // text area and the title and set in the check boxes, and the widgets with
    // what a command wrote into the grids and the report.
    void SyncModelsFromWidgets();
    void RefreshWidgets();

    // How long the fewest-bars search may take, and how long Calculate waits
    // for its plan before it shows the progress dialog.
    double PlanningSeconds = PlanningBudget::kDefaultSeconds;
    std::chrono::milliseconds PlanningMoment{250};

    // ---- The job and its file -------------------------------------------
    // The job file last opened or saved; empty for a new job.
    const QString& JobFileName() const { return jobFile_; }
    // Whether the job differs from what was last opened, saved or made new.
    bool JobChanged() const;

    // ---- Seams ----------------------------------------------------------
    void SetFileDialogs(std::unique_ptr<IFileDialogs> dialogs);
    void SetBoxes(std::unique_ptr<IWindowBoxes> boxes);
    void SetRegionalSettings(const RegionalSettings& settings);
    const RegionalSettings& Regional() const { return regional_; }
    // Where the settings file is read and written: beside the program, or
    // under the user's configuration folder when the program's folder cannot
    // take it, unless a test points elsewhere.
    void SetSettingsPath(std::string path) { settings_ = {std::move(path), {}}; }
    void SetSettingsLocation(SettingsLocation location) { settings_ = std::move(location); }
    const std::string& SettingsPath() const { return settings_.Path; }
    // The printer Print and Print Setup use.
    ReportPrinting& Printing() { return printing_; }
    HelpWindow* Help();
    HintDisplay* Hints() const { return hints_; }
    // The cutting diagram window, once it has been opened.
    DiagramWindow* Diagram() const { return diagram_; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateStockControls(QWidget* area);
    void ShowStockFile(const StockFile& file);
    // End Trim changes go into the stock list's history as they are typed,
    // one change per visit to the field; texts shown are not changes.
    void ShowEndTrim(const QString& text);
    void RecordEndTrimEdit();
    // Whether the stock list differs from its file as last opened or saved
    // (or from an empty list, without one); the stock window's title names
    // the file and marks a change.
    bool StockChanged() const;
    void NoteStockSaved();
    void ShowStockState();
    // Asks to save a changed stock list before the window closes; false when
    // the user cancels or the save does not happen.
    bool MaySetStockAside();
    // The same as one step for Undo in the stock list.
    void ShowStockFileForUndo(const QString& text, const StockFile& file);
    StockFile StockFileOfGrid() const;
    void ReopenLastStock();
    void RememberStockFile();
    // The stock to plan from when Use Stock is ticked; a line that does not
    // read is refused as Calculate refuses a job.
    std::optional<::StockList> StockToPlanFrom(bool& refused);
    void CreateControls();
    void CreateMenus();
    // The Edit menu's entries for the grids, before its Calculate.
    void CreateEditEntries();
    void ConnectCommands();
    void SetTabOrder();
    void LayOutClientArea(int width, int height);
    void ShowHint(const QString& hint);
    // Writes a text into the status line, until the next hint replaces it.
    void ShowStatus(const QString& text);
    void SetUpSorter();
    // Show a title or options that a command wrote into the models.
    void ShowTitle();
    void ShowOptions();
    // Runs a command; an error it does not handle ends it and is shown in the
    // error box, and the widgets show whatever the command changed.
    void RunCommand(const std::function<void()>& body);
    // The same for a command run from inside a key or mouse event of a
    // control: its error box opens once that event has been delivered. A box
    // runs an event loop of its own, and the focus it takes closes and
    // destroys the grid's cell editor, whose key event Qt would go on
    // delivering to the freed editor when the box returns.
    void RunInputCommand(const std::function<void()>& body);
    // The text of the error that ended the command, if one did.
    std::optional<std::string> Attempt(const std::function<void()>& body);
    // After a Calculate: marks the cells of lengths and quantities that were
    // read only in part and names them in the status line.
    void FlagCellsReadInPart();
    void ClearReadInPartMarks();
    // Calculate itself, which Button1Click keeps for Undo.
    void CalculateNow();
    // The grid holding the focus, if one does; and the same if it is a list
    // that rows go in and out of (the cut list or the stock list).
    GridView* ActiveGrid() const;
    GridView* ListGridInFocus() const;
    GridTableModel* ModelOf(const GridView* grid) const;
    // Keeps a change of the grids for Undo and makes it (again, if it has
    // been made already); nothing happens for no change.
    void RecordGridEdit(const QString& text, TStringGrid& grid, CellChanges changes, bool typed);
    void RecordCalculation(const std::vector<std::string>& cutList,
                           const std::vector<std::string>& barSettings);
    // The window after an undo or redo: the grids and the title.
    void ShowGridEdits();
    void ShowGridMenu(GridView* grid, const QPoint& where);
    // The window's first place: where it was last left, or the middle of
    // the screen; and keeping it, once it has been moved or sized.
    void PlaceWindowAtStart();
    void KeepWindowPlace();
    // Reads a job file into the window, as Open and the recent jobs do.
    void OpenJob(const QString& fileName);
    // Keeps a job file first among the recent jobs, in the menu and in the
    // settings file; a settings file that refuses it costs only the list.
    void NoteRecentJob(const QString& fileName);
    void ShowRecentJobs();
    void LoadRecentJobList();
    // Empties the bound line of the last Calculate, when its job goes.
    void ClearResultsShown();
    // The job as the window holds it this moment.
    Job CurrentJob() const;
    // What the job is compared with to tell whether it changed.
    void NoteJobUnchanged();
    // Asks to save a changed job before a command sets it aside; false when
    // the user cancels or the save does not happen.
    bool MaySetJobAside();
    // Saves the job, asking for a name when told to or when it has none;
    // false when the user cancels.
    bool SaveJob(bool chooseName);
    // The window's title: the job file's name and whether the job changed.
    void ShowJobState();
    // Keeps the plan of a complete Calculate for the diagram window.
    void KeepDiagramOf(const PlanOutcome& outcome);

    TStringGrid stock_{nullptr, 3, 101};
    GridTableModel* stockView_ = nullptr;
    std::string stockPath_;
    std::string stockSaved_;                   // the stock file's text as last opened or saved
    std::optional<::StockList> plannedStock_;  // what the last plan from stock was made from
    std::shared_ptr<const CuttingPlan> stockPlan_;
    std::optional<StockFile> stockBeforeTake_;
    QString endTrimRecorded_;  // the End Trim as the stock list's history last saw it
    int endTrimVisit_ = 0;     // counts the times the field was left
    std::unique_ptr<JobModels> models_;
    std::uint64_t shownReportRevision_ = 0;
    QString jobFile_;
    QUndoStack* undoStack_ = nullptr;
    QUndoStack* stockUndo_ = nullptr;
    std::vector<std::string> recentJobs_;
    WindowPlace startPlace_;
    bool placeKept_ = false;
    std::optional<Job> unchangedJob_;

    GridTableModel* cutListView_ = nullptr;
    GridTableModel* barSettingsView_ = nullptr;
    QWidget* clientArea_ = nullptr;
    HintDisplay* hints_ = nullptr;
    HelpWindow* help_ = nullptr;
    DiagramWindow* diagram_ = nullptr;
    std::shared_ptr<const DiagramJob> lastDiagram_;

    std::unique_ptr<IFileDialogs> dialogs_;
    std::unique_ptr<IWindowBoxes> boxes_;
    RegionalSettings regional_;
    SettingsLocation settings_;
    ReportPrinting printing_;
    bool activated_ = false;
    bool shownOnce_ = false;
};
