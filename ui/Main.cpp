#include "ui/Main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QToolButton>
#include <functional>

#include "core/WindowLayout.h"
#include "io/SettingsPath.h"
#include "model/GridLayout.h"
#include "ui/DiagramWindow.h"
#include "ui/GridTableModel.h"
#include "ui/GridView.h"
#include "ui/HelpWindow.h"
#include "ui/HintDisplay.h"
#include "ui/Latin1.h"
#include "ui/MouseUpCheckBox.h"
#include "ui/SystemRegionalSettings.h"
#include "ui/ToolIcons.h"
#include "ui/WindowFonts.h"

namespace {

constexpr int kClientWidth = 670;
constexpr int kClientHeight = 316;
constexpr int kSpeedBarHeight = 33;
constexpr int kStatusLineHeight = 17;
constexpr int kRowHeight = 24;

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

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAccessibleName(caption);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QToolButton* PlaceToolButton(QWidget* bar, const char* name, const QString& hint, const QIcon& icon,
                             int left, int width) {
    auto* button = Place(new QToolButton(bar), name, left, 4, width, 25);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(hint);
    HintDisplay::SetHint(button, hint);
    return button;
}

QCheckBox* SetUpCheckBox(QCheckBox* box, const char* name, const QString& caption, int top,
                         int width, bool checked) {
    Place(box, name, 456, top, width, 17);
    box->setText(caption);
    box->setAccessibleName(caption);
    box->setChecked(checked);
    return box;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      cutList_(std::make_unique<TStringGrid>(&components_, kCutListColumns, kCutListRows)),
      barSettings_(
          std::make_unique<TStringGrid>(&components_, kBarSettingsColumns, kBarSettingsRows)),
      sortAStringGrid1_(std::make_unique<TSortAStringGrid>(&components_)),
      dialogs_(std::make_unique<QtFileDialogs>()),
      boxes_(std::make_unique<QtWindowBoxes>(this)),
      regional_(RegionalSettingsOf(QLocale::system())),
      settingsPath_(SettingsFilePath()) {
    cutList_->FixedRows = 1;
    barSettings_->FixedCols = 1;
    report_.Add(std::string());  // the report text area starts with one empty line
    SetUpSorter();

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velmar"));
    setFont(WindowFont());
    CreateControls();
    CreateMenus();
    ConnectCommands();
    SetTabOrder();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    FormCreate(this);
    RefreshWidgets();
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
    delete clientArea_;
    clientArea_ = nullptr;
}

void TMainForm::CreateControls() {
    clientArea_ = new ClientArea(this, [this](int w, int h) { LayOutClientArea(w, h); });
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(clientArea_);
    QWidget* area = clientArea_;

    SpeedBar = Place(new QWidget(area), "SpeedBar", 0, 0, kClientWidth, kSpeedBarHeight);
    SpeedBar->setAccessibleName(QStringLiteral("SpeedBar"));
    SpeedBar->setAutoFillBackground(true);
    SpeedButton1 =
        PlaceToolButton(SpeedBar, "SpeedButton1", QStringLiteral("New"), NewFileIcon(), 8, 25);
    SpeedButton2 =
        PlaceToolButton(SpeedBar, "SpeedButton2", QStringLiteral("Open"), OpenFileIcon(), 32, 25);
    SpeedButton4 = PlaceToolButton(SpeedBar, "SpeedButton4", QStringLiteral("Save As"),
                                   SaveFileIcon(), 56, 25);
    SpeedButton3 =
        PlaceToolButton(SpeedBar, "SpeedButton3", QStringLiteral("Print"), PrintIcon(), 80, 23);

    Label1 = PlaceLabel(area, "Label1", QStringLiteral("Page Heading :"), 96, 36, WindowFont());

    Title1 = Place(new QLineEdit(area), "Title1", 176, 32, 273, 21);
    Title1->setText(QStringLiteral(" Untitled"));
    Title1->setAccessibleName(QStringLiteral("Title1"));
    HintDisplay::SetHint(Title1, QStringLiteral("Enter a project title"));

    StringGrid1 = Place(new GridView(area), "StringGrid1", 0, 56, 170, 225);
    StringGrid1->setAccessibleName(QStringLiteral("StringGrid1"));
    cutListView_ = new GridTableModel(*cutList_, StringGrid1);
    StringGrid1->setModel(cutListView_);
    StringGrid1->SetHeadings(kRowHeight, 0);
    StringGrid1->SetRowHeight(kRowHeight);
    HintDisplay::SetHint(StringGrid1, kCutListHint);

    Memo1 = Place(new QPlainTextEdit(area), "Memo1", 176, 56, 273, 225);
    Memo1->setAccessibleName(QStringLiteral("Memo1"));
    Memo1->setFont(ReportAreaFont());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);

    StringGrid2 = Place(new GridView(area), "StringGrid2", 456, 56, 145, 129);
    StringGrid2->setAccessibleName(QStringLiteral("StringGrid2"));
    barSettingsView_ = new GridTableModel(*barSettings_, StringGrid2);
    StringGrid2->setModel(barSettingsView_);
    StringGrid2->SetHeadings(0, 85);
    StringGrid2->SetRowHeight(kRowHeight);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Button1 =
        Place(new QPushButton(QStringLiteral("Calculate"), area), "Button1", 456, 192, 75, 25);
    Button1->setAccessibleName(QStringLiteral("Calculate"));
    Button1->setFont(BoldFont(WindowFont()));
    QPalette green = Button1->palette();
    green.setColor(QPalette::ButtonText, QColor(0x00, 0x80, 0x00));
    Button1->setPalette(green);
    HintDisplay::SetHint(Button1, QStringLiteral("Recalculate "));

    Label3 = PlaceLabel(area, "Label3", QStringLiteral("Bar Count"), 536, 195, BarCountFont());
    Label2 = PlaceLabel(area, "Label2", QStringLiteral("0"), 608, 195, BarCountFont());
    Label2->setAccessibleName(QStringLiteral("Label2"));

    SumaryCheckBox1 = SetUpCheckBox(new QCheckBox(area), "SumaryCheckBox1",
                                    QStringLiteral("No Summary"), 216, 97, true);
    ShortCheckBox1 = SetUpCheckBox(new QCheckBox(area), "ShortCheckBox1",
                                   QStringLiteral("Short Report"), 232, 97, true);
    HintDisplay::SetHint(ShortCheckBox1,
                         QStringLiteral("Reduces the report length by combining like lines "));
    ItemNumBox1 = static_cast<MouseUpCheckBox*>(
        SetUpCheckBox(new MouseUpCheckBox(area), "ItemNumBox1", QStringLiteral("Auto Item Number"),
                      248, 121, true));
    HintDisplay::SetHint(ItemNumBox1, QStringLiteral("Like Lengths become the same item number."));
    AltMethodCheckBox1 = SetUpCheckBox(new QCheckBox(area), "AltMethodCheckBox1",
                                       QStringLiteral("Alternate Method"), 264, 121, false);
    QPalette red = AltMethodCheckBox1->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    AltMethodCheckBox1->setPalette(red);

    StatusLine = Place(new QLabel(area), "StatusLine", 0, kClientHeight - kStatusLineHeight,
                       kClientWidth, kStatusLineHeight);
    StatusLine->setAccessibleName(QStringLiteral("StatusLine"));
    StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusLine->setIndent(2);
    StatusLine->setTextFormat(Qt::PlainText);

    // The cut list opens on its first data cell.
    StringGrid1->setCurrentIndex(cutListView_->index(0, 0));
    StringGrid1->setFocus(Qt::OtherFocusReason);
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
    FileOpenItem = entry(FileMenu, "FileOpenItem", QStringLiteral("&Open..."),
                         QStringLiteral("Open an existing file"));
    FileSaveAsItem = entry(FileMenu, "FileSaveAsItem", QStringLiteral("Save &As..."),
                           QStringLiteral("Save current file under a new name"));
    FileMenu->addSeparator();
    FilePrintItem = entry(FileMenu, "FilePrintItem", QStringLiteral("&Print"),
                          QStringLiteral("Print current file"));
    FilePrintSetupItem = entry(FileMenu, "FilePrintSetupItem", QStringLiteral("P&rint Setup..."),
                               QStringLiteral("Change printer setup"));
    FileDiagramItem = entry(FileMenu, "FileDiagramItem", QStringLiteral("Cutting &Diagram..."),
                            QStringLiteral("Draw the bars of the last calculation"));
    FileMenu->addSeparator();
    FileExitItem = entry(FileMenu, "FileExitItem", QStringLiteral("E&xit"),
                         QStringLiteral("Exit this application"));

    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    HelpContentsItem = entry(HelpMenu, "HelpContentsItem", QStringLiteral("&Contents"),
                             QStringLiteral("Display the help contents screen"));
    HelpSearchItem = entry(HelpMenu, "HelpSearchItem", QStringLiteral("&Search for Help On..."),
                           QStringLiteral("Search help file for a topic"));
    HelpHowToUseItem = entry(HelpMenu, "HelpHowToUseItem", QStringLiteral("&How to Use Help"),
                             QStringLiteral("Help on using the help system"));
    // Menus carry no pop-up hints either.
    FileMenu->setToolTipsVisible(false);
    HelpMenu->setToolTipsVisible(false);
}

void TMainForm::SetTabOrder() {
    const QList<QWidget*> order = {StringGrid1,    StringGrid2,     Memo1,
                                   Button1,        Title1,          ItemNumBox1,
                                   ShortCheckBox1, SumaryCheckBox1, AltMethodCheckBox1};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TMainForm::LayOutClientArea(int width, int height) {
    SpeedBar->setGeometry(0, 0, width, kSpeedBarHeight);
    StatusLine->setGeometry(0, height - kStatusLineHeight, width, kStatusLineHeight);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
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
    return options;
}

void TMainForm::SetFileDialogs(std::unique_ptr<IFileDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void TMainForm::SetBoxes(std::unique_ptr<IWindowBoxes> boxes) {
    boxes_ = std::move(boxes);
    sortAStringGrid1_->MessageBoxes = boxes_.get();
}

void TMainForm::SetRegionalSettings(const RegionalSettings& settings) {
    regional_ = settings;
    sortAStringGrid1_->DecimalSeparator = regional_.DecimalSeparator;
    sortAStringGrid1_->DateSettings.ShortDateFormat = regional_.ShortDateFormat;
    sortAStringGrid1_->DateSettings.DateSeparator = regional_.DateSeparator;
}

void TMainForm::SetUpSorter() {
    TSortAStringGrid& sorter = *sortAStringGrid1_;
    LayOutSorter(sorter, *cutList_);
    sorter.MessageBoxes = boxes_.get();
    SetRegionalSettings(regional_);
}

HelpWindow* TMainForm::Help() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    return help_;
}
