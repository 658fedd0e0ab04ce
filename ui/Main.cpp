#include "ui/Main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "diagram/Latin1.h"
#include "io/settings/SettingsPath.h"
#include "ui/DiagramWindow.h"
#include "ui/GridTableModel.h"
#include "ui/GridView.h"
#include "ui/HelpWindow.h"
#include "ui/HintDisplay.h"
#include "ui/MouseUpCheckBox.h"
#include "ui/ProgramIcon.h"
#include "ui/ReadableLabel.h"
#include "ui/SystemRegionalSettings.h"
#include "ui/ToolIcons.h"
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"

namespace {

const QString kCutListHint = QStringLiteral(
    "Enter up to 1000 Qty and  Length    Item number is optional    * = Don't enter         "
    "Example 25.125 or 2'   1 1/8");

// The client area: the tool bar and the status line follow its width, every
// other control keeps the place it was given.
class ClientArea : public QWidget {
  public:
    ClientArea(QWidget* parent, std::function<void(int, int)> onResize)
        : QWidget(parent), onResize_(std::move(onResize)) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        onResize_(event->size().width(), event->size().height());
    }

  private:
    std::function<void(int, int)> onResize_;
};

// Names a control and puts it where the window's layout table places it.
template <typename Widget>
Widget* Place(Widget* widget, const char* name) {
    const ControlPlace& place = PlaceOf(name);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place.Left, place.Top, place.Width, place.Height);
    return widget;
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font) {
    const ControlPlace& place = PlaceOf(name);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAccessibleName(caption);
    label->move(place.Left, place.Top);
    label->adjustSize();
    return label;
}

QToolButton* PlaceToolButton(QWidget* bar, const char* name, const QString& hint,
                             const QIcon& icon) {
    auto* button = Place(new QToolButton(bar), name);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(hint);
    HintDisplay::SetHint(button, hint);
    return button;
}

QCheckBox* SetUpCheckBox(QCheckBox* box, const char* name, const QString& caption, bool checked) {
    Place(box, name);
    box->setText(caption);
    box->setAccessibleName(caption);
    box->setChecked(checked);
    return box;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      models_(std::make_unique<JobModels>()),
      dialogs_(std::make_unique<QtFileDialogs>()),
      boxes_(std::make_unique<QtWindowBoxes>(this)),
      regional_(RegionalSettingsOf(QLocale::system())),
      settings_(SettingsLocationOfThisProgram()) {
    models_->Report.Add(std::string());  // the report text area starts with one empty line
    // The design states of the stored check boxes, until the activation step
    // reads the settings file.
    models_->Options.NoSummary = true;
    models_->Options.ShortReport = true;
    models_->Options.AutoItemNumber = true;
    SetUpSorter();

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velmar"));
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());
    CreateControls();
    CreateMenus();
    ConnectCommands();
    SetTabOrder();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    // Never smaller than designed: the controls keep their places, and the
    // status line at the foot would cover the report and the grids.
    clientArea_->setMinimumSize(kClientWidth, kClientHeight);
    FormCreate(this);
    RefreshWidgets();
    NoteJobUnchanged();
}

TMainForm::~TMainForm() {
    // The controls go before the models they show and the services their
    // handlers use: nothing may reach a model while the widgets are torn down.
    delete hints_;
    hints_ = nullptr;
    delete help_;
    help_ = nullptr;
    delete diagram_;
    diagram_ = nullptr;
    delete StockWindow;
    StockWindow = nullptr;
    delete clientArea_;
    clientArea_ = nullptr;
}

void TMainForm::CreateControls() {
    clientArea_ = new ClientArea(this, [this](int w, int h) { LayOutClientArea(w, h); });
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(clientArea_);
    QWidget* area = clientArea_;

    SpeedBar = Place(new QWidget(area), "SpeedBar");
    SpeedBar->setAccessibleName(QStringLiteral("SpeedBar"));
    SpeedBar->setAutoFillBackground(true);
    SpeedButton1 = PlaceToolButton(SpeedBar, "SpeedButton1", QStringLiteral("New"), NewFileIcon());
    SpeedButton2 =
        PlaceToolButton(SpeedBar, "SpeedButton2", QStringLiteral("Open"), OpenFileIcon());
    SpeedButton4 =
        PlaceToolButton(SpeedBar, "SpeedButton4", QStringLiteral("Save As"), SaveFileIcon());
    SpeedButton3 = PlaceToolButton(SpeedBar, "SpeedButton3", QStringLiteral("Print"), PrintIcon());

    Label1 = PlaceLabel(area, "Label1", QStringLiteral("Page Heading :"), WindowFont());

    Title1 = Place(new QLineEdit(area), "Title1");
    Title1->setText(ToQString(models_->Title));
    Title1->setAccessibleName(QStringLiteral("Title1"));
    HintDisplay::SetHint(Title1, QStringLiteral("Enter a project title"));

    StringGrid1 = Place(new GridView(area), "StringGrid1");
    StringGrid1->setAccessibleName(QStringLiteral("StringGrid1"));
    cutListView_ = new GridTableModel(models_->CutList, StringGrid1);
    StringGrid1->setModel(cutListView_);
    StringGrid1->SetHeadings(kGridRowHeight, 0);
    StringGrid1->SetRowHeight(kGridRowHeight);
    HintDisplay::SetHint(StringGrid1, kCutListHint);

    Memo1 = Place(new QPlainTextEdit(area), "Memo1");
    Memo1->setAccessibleName(QStringLiteral("Memo1"));
    Memo1->setFont(ReportAreaFont());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);

    StringGrid2 = Place(new GridView(area), "StringGrid2");
    StringGrid2->setAccessibleName(QStringLiteral("StringGrid2"));
    barSettingsView_ = new GridTableModel(models_->BarSettings, StringGrid2);
    StringGrid2->setModel(barSettingsView_);
    StringGrid2->SetHeadings(0, kBarSettingsWidths[0]);
    StringGrid2->SetRowHeight(kGridRowHeight);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Button1 = Place(new QPushButton(QStringLiteral("Calculate"), area), "Button1");
    Button1->setAccessibleName(QStringLiteral("Calculate"));
    // Return (and Enter) on the focused button runs it, as Space does.
    Button1->setAutoDefault(true);
    Button1->setFont(BoldFont(WindowFont()));
    QPalette green = Button1->palette();
    green.setColor(QPalette::ButtonText, QColor(0x00, 0x80, 0x00));
    Button1->setPalette(green);
    HintDisplay::SetHint(Button1, QStringLiteral("Recalculate "));

    Label3 = PlaceLabel(area, "Label3", QStringLiteral("Bar Count"), BarCountFont());
    Label2 = PlaceLabel(area, "Label2", ToQString(models_->BarCount), BarCountFont());
    Label2->setAccessibleName(QStringLiteral("Label2"));
    ShowReadableText(Label2, Label2->text());

    const Options& options = models_->Options;
    SumaryCheckBox1 = SetUpCheckBox(new QCheckBox(area), "SumaryCheckBox1",
                                    QStringLiteral("No Summary"), options.NoSummary);
    ShortCheckBox1 = SetUpCheckBox(new QCheckBox(area), "ShortCheckBox1",
                                   QStringLiteral("Short Report"), options.ShortReport);
    HintDisplay::SetHint(ShortCheckBox1,
                         QStringLiteral("Reduces the report length by combining like lines "));
    ItemNumBox1 = static_cast<MouseUpCheckBox*>(
        SetUpCheckBox(new MouseUpCheckBox(area), "ItemNumBox1", QStringLiteral("Auto Item Number"),
                      options.AutoItemNumber));
    HintDisplay::SetHint(ItemNumBox1, QStringLiteral("Like Lengths become the same item number."));
    AltMethodCheckBox1 = SetUpCheckBox(new QCheckBox(area), "AltMethodCheckBox1",
                                       QStringLiteral("Alternate Method"), options.AlternateMethod);
    QPalette red = AltMethodCheckBox1->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    AltMethodCheckBox1->setPalette(red);
    FewestBarsCheckBox1 = SetUpCheckBox(new QCheckBox(area), "FewestBarsCheckBox1",
                                        QStringLiteral("Fewest Bars"), options.FewestBars);
    HintDisplay::SetHint(FewestBarsCheckBox1,
                         QStringLiteral("Plans on as few bars as a search in the time allowed "
                                        "finds, and shows how few any plan could use"));
    Label4 = PlaceLabel(area, "Label4", QString(), WindowFont());
    Label4->setAccessibleName(QStringLiteral("Label4"));

    CreateStockControls(area);

    StatusLine = Place(new QLabel(area), "StatusLine");
    StatusLine->setAccessibleName(QStringLiteral("StatusLine"));
    StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusLine->setIndent(2);
    StatusLine->setTextFormat(Qt::PlainText);
    ShowReadableText(StatusLine, QString());

    // The cut list opens on its first data cell.
    StringGrid1->setCurrentIndex(cutListView_->index(0, 0));
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TMainForm::CreateStockControls(QWidget* area) {
    // Row 0 holds the headings, which the view shows above the lines.
    stock_.FixedRows = 1;
    stock_.SetCells(0, 0, "Length");
    stock_.SetCells(1, 0, "On Hand");
    stock_.SetCells(2, 0, "Cost");
    // The stock list has a window of its own, so that nothing of the main
    // window had to move for it.
    StockWindow = new QWidget(this, Qt::Window);
    StockWindow->setObjectName(QStringLiteral("StockWindow"));
    StockWindow->setWindowTitle(QStringLiteral("Velmar Stock"));
    StockWindow->resize(220, 320);
    StockGrid1 = new GridView(StockWindow);
    StockGrid1->setObjectName(QStringLiteral("StockGrid1"));
    StockGrid1->setAccessibleName(QStringLiteral("StockGrid1"));
    auto* stockLayout = new QVBoxLayout(StockWindow);
    stockLayout->setContentsMargins(0, 0, 0, 0);
    stockLayout->addWidget(StockGrid1);
    auto* trimRow = new QHBoxLayout;
    trimRow->setContentsMargins(4, 2, 4, 4);
    auto* trimLabel = new QLabel(QStringLiteral("End Trim"), StockWindow);
    StockEndTrim1 = new QLineEdit(StockWindow);
    StockEndTrim1->setObjectName(QStringLiteral("StockEndTrim1"));
    StockEndTrim1->setAccessibleName(QStringLiteral("End Trim"));
    trimLabel->setBuddy(StockEndTrim1);
    HintDisplay::SetHint(StockEndTrim1,
                         QStringLiteral("The length taken off each stock bar before its first "
                                        "cut (blank: none)"));
    trimRow->addWidget(trimLabel);
    trimRow->addWidget(StockEndTrim1, 1);
    stockLayout->addLayout(trimRow);
    stockView_ = new GridTableModel(stock_, StockGrid1);
    StockGrid1->setModel(stockView_);
    stockSaved_ = FormatStockFile(StockFile{});
    connect(stockView_, &QAbstractItemModel::dataChanged, this, [this] { ShowStockState(); });
    connect(stockView_, &QAbstractItemModel::modelReset, this, [this] { ShowStockState(); });
    connect(StockEndTrim1, &QLineEdit::textChanged, this, [this] { ShowStockState(); });
    connect(StockEndTrim1, &QLineEdit::textEdited, this, [this] { RecordEndTrimEdit(); });
    connect(StockEndTrim1, &QLineEdit::editingFinished, this, [this] { ++endTrimVisit_; });
    ShowStockState();
    StockGrid1->SetHeadings(kGridRowHeight, 0);
    StockGrid1->SetRowHeight(kGridRowHeight);
    StockGrid1->SetColumnWidths({64, 56, 44});
    HintDisplay::SetHint(StockGrid1,
                         QStringLiteral("The stock on hand: a length per line, the bars on hand "
                                        "(blank: as many as needed) and the cost of a bar"));
    UseStockCheckBox1 =
        SetUpCheckBox(new QCheckBox(area), "UseStockCheckBox1", QStringLiteral("Use Stock"), false);
    HintDisplay::SetHint(UseStockCheckBox1,
                         QStringLiteral("Cuts the bars from the stock on hand instead of from "
                                        "bars of Bar Length"));
}

void TMainForm::CreateMenus() {
    auto entry = [this](QMenu* menu, const char* name, const QString& caption,
                        const QString& hint) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        HintDisplay::SetHint(action, hint);
        return action;
    };
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    FileNewItem =
        entry(FileMenu, "FileNewItem", QStringLiteral("&New"), QStringLiteral("Create a new file"));
    FileNewItem->setShortcut(QKeySequence::New);
    FileOpenItem = entry(FileMenu, "FileOpenItem", QStringLiteral("&Open..."),
                         QStringLiteral("Open an existing file"));
    FileOpenItem->setShortcut(QKeySequence::Open);
    RecentMenu = FileMenu->addMenu(QStringLiteral("Recent &Jobs"));
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    HintDisplay::SetHint(RecentMenu->menuAction(), QStringLiteral("Open a job used lately"));
    RecentMenu->setEnabled(false);
    FileSaveItem = entry(FileMenu, "FileSaveItem", QStringLiteral("&Save"),
                         QStringLiteral("Save current file"));
    FileSaveItem->setShortcut(QKeySequence::Save);
    FileSaveAsItem = entry(FileMenu, "FileSaveAsItem", QStringLiteral("Save &As..."),
                           QStringLiteral("Save current file under a new name"));
    FileMenu->addSeparator();
    FileImportItem = entry(FileMenu, "FileImportItem", QStringLiteral("&Import Cut List..."),
                           QStringLiteral("Read the cut list from a CSV file"));
    FileExportItem = entry(FileMenu, "FileExportItem", QStringLiteral("&Export Cut List..."),
                           QStringLiteral("Write the cut list to a CSV file"));
    FileMenu->addSeparator();
    FilePrintItem = entry(FileMenu, "FilePrintItem", QStringLiteral("&Print"),
                          QStringLiteral("Print current file"));
    FilePrintItem->setShortcut(QKeySequence::Print);
    FilePrintSetupItem = entry(FileMenu, "FilePrintSetupItem", QStringLiteral("P&rint Setup..."),
                               QStringLiteral("Change printer setup"));
    FileDiagramItem = entry(FileMenu, "FileDiagramItem", QStringLiteral("Cutting &Diagram..."),
                            QStringLiteral("Draw the bars of the last calculation"));
    FileMenu->addSeparator();
    FileStockItem = entry(FileMenu, "FileStockItem", QStringLiteral("Stock &List..."),
                          QStringLiteral("Show the stock on hand"));
    FileOpenStockItem = entry(FileMenu, "FileOpenStockItem", QStringLiteral("Open S&tock..."),
                              QStringLiteral("Open a stock file into the stock list"));
    FileSaveStockItem = entry(FileMenu, "FileSaveStockItem", QStringLiteral("Save Stoc&k"),
                              QStringLiteral("Save the stock list to its stock file"));
    FileTakeStockItem =
        entry(FileMenu, "FileTakeStockItem", QStringLiteral("Take &from Stock..."),
              QStringLiteral("Take the bars of the last plan from stock and keep its offcuts"));
    FileRestoreStockItem =
        entry(FileMenu, "FileRestoreStockItem", QStringLiteral("R&estore Stock"),
              QStringLiteral("Put the stock back as it was before it was taken from"));
    FileRestoreStockItem->setEnabled(false);
    FileMenu->addSeparator();
    FileExitItem = entry(FileMenu, "FileExitItem", QStringLiteral("E&xit"),
                         QStringLiteral("Exit this application"));

    EditMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    CreateEditEntries();
    EditCalculateItem = entry(EditMenu, "EditCalculateItem", QStringLiteral("&Calculate"),
                              QStringLiteral("Recalculate "));
    EditCalculateItem->setShortcuts({QKeySequence(Qt::Key_F9),
                                     QKeySequence(Qt::CTRL | Qt::Key_Return),
                                     QKeySequence(Qt::CTRL | Qt::Key_Enter)});

    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    HelpContentsItem = entry(HelpMenu, "HelpContentsItem", QStringLiteral("&Contents"),
                             QStringLiteral("Display the help contents screen"));
    HelpContentsItem->setShortcut(QKeySequence::HelpContents);
    HelpSearchItem = entry(HelpMenu, "HelpSearchItem", QStringLiteral("&Search for Help On..."),
                           QStringLiteral("Search help file for a topic"));
    HelpHowToUseItem = entry(HelpMenu, "HelpHowToUseItem", QStringLiteral("&How to Use Help"),
                             QStringLiteral("Help on using the help system"));
    HelpMenu->addSeparator();
    HelpAboutItem = entry(HelpMenu, "HelpAboutItem", QStringLiteral("&About Velmar"),
                          QStringLiteral("The program's name and version"));
    // Menus carry no pop-up hints either.
    for (QMenu* menu : {FileMenu, RecentMenu, EditMenu, HelpMenu}) {
        menu->setToolTipsVisible(false);
    }
}

void TMainForm::SetTabOrder() {
    const QList<QWidget*> order = {StringGrid1,
                                   StringGrid2,
                                   Memo1,
                                   UseStockCheckBox1,
                                   Button1,
                                   Title1,
                                   ItemNumBox1,
                                   ShortCheckBox1,
                                   SumaryCheckBox1,
                                   AltMethodCheckBox1,
                                   FewestBarsCheckBox1};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TMainForm::LayOutClientArea(int width, int height) {
    const int speedBarHeight = PlaceOf("SpeedBar").Height;
    const int statusLineHeight = PlaceOf("StatusLine").Height;
    SpeedBar->setGeometry(0, 0, width, speedBarHeight);
    StatusLine->setGeometry(0, height - statusLineHeight, width, statusLineHeight);
    // Room beyond the design size goes to the report, across and down, and
    // to the cut list, down; what stands right of the report or under it
    // moves along. At the design size every control is where it was placed.
    const int wider = std::max(0, width - kClientWidth);
    const int taller = std::max(0, height - kClientHeight);
    const auto grow = [](QWidget* widget, int across, int down) {
        const ControlPlace& place = PlaceOf(widget->objectName().toStdString());
        widget->setGeometry(place.Left, place.Top, place.Width + across, place.Height + down);
    };
    grow(StringGrid1, 0, taller);
    grow(Memo1, wider, taller);
    const int rightOfReport = PlaceOf("StringGrid2").Left;
    const int underReport = PlaceOf("Label4").Top;
    for (QWidget* widget : clientArea_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = widget->objectName().toStdString();
        const auto place = std::find_if(kControlPlaces.begin(), kControlPlaces.end(),
                                        [&name](const ControlPlace& p) { return p.Name == name; });
        if (place == kControlPlaces.end() || widget == StringGrid1 || widget == Memo1 ||
            widget == SpeedBar || widget == StatusLine) {
            continue;
        }
        const int right = place->Left >= rightOfReport ? wider : 0;
        const int down = place->Top >= underReport ? taller : 0;
        widget->move(place->Left + right, place->Top + down);
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    PlaceWindowAtStart();
    // Ask for the focus: without a window manager to hand it over, the
    // window would never become active and never run its activation step.
    activateWindow();
}

bool TMainForm::event(QEvent* event) {
    // The activation step runs once, when the window first takes the focus;
    // returning from a dialog or from the help window does not repeat it.
    if (event->type() == QEvent::WindowActivate && !activated_) {
        FormActivate(this);
    }
    return QMainWindow::event(event);
}

Options TMainForm::CurrentOptions() const {
    Options options;
    options.NoSummary = SumaryCheckBox1->isChecked();
    options.ShortReport = ShortCheckBox1->isChecked();
    options.AutoItemNumber = ItemNumBox1->isChecked();
    options.AlternateMethod = AltMethodCheckBox1->isChecked();
    options.FewestBars = FewestBarsCheckBox1->isChecked();
    return options;
}

void TMainForm::SetFileDialogs(std::unique_ptr<IFileDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void TMainForm::SetBoxes(std::unique_ptr<IWindowBoxes> boxes) {
    boxes_ = std::move(boxes);
    models_->Sorter.MessageBoxes = boxes_.get();
}

void TMainForm::SetRegionalSettings(const RegionalSettings& settings) {
    regional_ = settings;
    models_->Sorter.DecimalSeparator = regional_.DecimalSeparator;
    models_->Sorter.DateSettings.ShortDateFormat = regional_.ShortDateFormat;
    models_->Sorter.DateSettings.DateSeparator = regional_.DateSeparator;
}

void TMainForm::SetUpSorter() {
    models_->Sorter.MessageBoxes = boxes_.get();
    SetRegionalSettings(regional_);
}

HelpWindow* TMainForm::Help() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    return help_;
}
