#pragma once

#include <QMainWindow>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/Calculate.h"
#include "core/job/JobModels.h"
#include "io/settings/SettingsPath.h"
#include "model/Options.h"
#include "model/RegionalSettings.h"
#include "ui/FileDialogs.h"
#include "ui/ReportPrinting.h"
#include "ui/WindowBoxes.h"

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class GridTableModel;
class GridView;
class DiagramWindow;
class HelpWindow;
class HintDisplay;
class MouseUpCheckBox;
struct CalculateOutcome;
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

    QMenu* FileMenu = nullptr;
    QAction* FileNewItem = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* FileSaveAsItem = nullptr;
    QAction* FilePrintItem = nullptr;
    QAction* FilePrintSetupItem = nullptr;
    QAction* FileDiagramItem = nullptr;
    QAction* FileExitItem = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* HelpContentsItem = nullptr;
    QAction* HelpSearchItem = nullptr;
    QAction* HelpHowToUseItem = nullptr;

    // ---- Commands and event handlers ------------------------------------
    void FileNew(QObject* Sender);
    void FileOpen(QObject* Sender);
    void FileSaveAs(QObject* Sender);
    void FilePrint(QObject* Sender);
    void FilePrintSetup(QObject* Sender);
    // Opens the cutting diagram window, which shows the last complete
    // Calculate and follows every new one.
    void FileDiagram(QObject* Sender);
    void FileExit(QObject* Sender);
    void HelpContents(QObject* Sender);
    void HelpSearch(QObject* Sender);
    void HelpHowToUse(QObject* Sender);
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
    double PlanningSeconds = PlanningLimits::kDefaultSeconds;
    std::chrono::milliseconds PlanningMoment{250};

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
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
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
    // Keeps the plan of a complete Calculate for the diagram window.
    void KeepDiagramOf(const CalculateOutcome& outcome);

    std::unique_ptr<JobModels> models_;
    std::uint64_t shownReportRevision_ = 0;

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
