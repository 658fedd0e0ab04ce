#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <new>

#include "diagram/Latin1.h"
#include "model/Exceptions.h"
#include "ui/GridTableModel.h"
#include "ui/GridView.h"
#include "ui/HelpWindow.h"
#include "ui/HintDisplay.h"
#include "ui/Main.h"
#include "ui/MouseUpCheckBox.h"
#include "ui/ReadableLabel.h"
#include "ui/WindowLayout.h"

namespace {

// Splits the text area's text into lines without losing any Latin-1
// character: the raw text keeps no-break spaces, which the plain text turns
// into blanks.
std::vector<std::string> LinesOf(const QString& raw) {
    std::vector<std::string> lines;
    std::string line;
    for (const QChar c : raw) {
        const char16_t code = c.unicode();
        if (code == u'\n' || code == 0x2029 || code == 0x2028) {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

// The text document spends microseconds on every block (paragraph), so a
// report of a million lines as a million blocks would take seconds to show.
// A long report is therefore shown with its lines grouped into blocks,
// separated within a block by line separators: they show and edit as line
// breaks, and read back as line ends (LinesOf).
constexpr std::size_t kLinesShownOneByOne = 20000;
constexpr std::size_t kLinesPerBlock = 32;

QString TextOf(const std::vector<std::string>& lines) {
    const bool grouped = lines.size() > kLinesShownOneByOne;
    qsizetype size = lines.empty() ? 0 : static_cast<qsizetype>(lines.size() - 1);
    for (const std::string& line : lines) {
        size += static_cast<qsizetype>(line.size());
    }
    QString text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            const bool newBlock = !grouped || i % kLinesPerBlock == 0;
            text.append(newBlock ? QChar(u'\n') : QChar(QChar::LineSeparator));
        }
        text.append(QLatin1StringView(lines[i].data(), static_cast<qsizetype>(lines[i].size())));
    }
    return text;
}

}  // namespace

void TMainForm::ConnectCommands() {
    connect(FileNewItem, &QAction::triggered, this, [this] { FileNew(FileNewItem); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { FileNew(SpeedButton1); });
    connect(FileOpenItem, &QAction::triggered, this, [this] { FileOpen(FileOpenItem); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { FileOpen(SpeedButton2); });
    connect(FileSaveItem, &QAction::triggered, this, [this] { FileSave(FileSaveItem); });
    connect(FileSaveAsItem, &QAction::triggered, this, [this] { FileSaveAs(FileSaveAsItem); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { FileSaveAs(SpeedButton4); });
    connect(FileImportItem, &QAction::triggered, this,
            [this] { FileImportCutList(FileImportItem); });
    connect(FileExportItem, &QAction::triggered, this,
            [this] { FileExportCutList(FileExportItem); });
    connect(FilePrintItem, &QAction::triggered, this, [this] { FilePrint(FilePrintItem); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { FilePrint(SpeedButton3); });
    connect(FilePrintSetupItem, &QAction::triggered, this,
            [this] { FilePrintSetup(FilePrintSetupItem); });
    connect(FileDiagramItem, &QAction::triggered, this, [this] { FileDiagram(FileDiagramItem); });
    connect(FileStockItem, &QAction::triggered, this, [this] {
        StockWindow->show();
        StockWindow->raise();
        StockWindow->activateWindow();
    });
    connect(FileOpenStockItem, &QAction::triggered, this, [this] { FileOpenStock(); });
    connect(FileSaveStockItem, &QAction::triggered, this, [this] { FileSaveStock(); });
    connect(FileTakeStockItem, &QAction::triggered, this, [this] { FileTakeFromStock(); });
    connect(FileRestoreStockItem, &QAction::triggered, this, [this] { FileRestoreStock(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
    connect(EditCalculateItem, &QAction::triggered, this,
            [this] { Button1Click(EditCalculateItem); });
    connect(HelpAboutItem, &QAction::triggered, this, [this] { HelpAbout(HelpAboutItem); });
    connect(StringGrid2, &GridView::KeyReleased, this, [this](QKeyEvent* event) {
        int key = event->key();
        StringGrid2KeyUp(StringGrid2, key, event->modifiers());
    });
    connect(ItemNumBox1, &MouseUpCheckBox::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                ItemNumBox1MouseUp(ItemNumBox1, button, modifiers, x, y);
            });
    // The two methods exclude each other: ticking one unticks the other.
    connect(AltMethodCheckBox1, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) {
            FewestBarsCheckBox1->setChecked(false);
        }
    });
    connect(FewestBarsCheckBox1, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) {
            AltMethodCheckBox1->setChecked(false);
        }
    });
    connect(FewestBarsCheckBox1, &QCheckBox::clicked, this, [this] { FewestBarsClick(); });
    // Use Stock is kept as soon as it changes, as Fewest Bars is.
    connect(UseStockCheckBox1, &QCheckBox::clicked, this,
            [this] { RunInputCommand([this] { Savelastini(); }); });
    // The title shows at once whether the job has changed.
    for (GridTableModel* grid : {cutListView_, barSettingsView_}) {
        connect(grid, &QAbstractItemModel::dataChanged, this, [this] { ShowJobState(); });
    }
    connect(Title1, &QLineEdit::textChanged, this, [this] { ShowJobState(); });
    connect(ItemNumBox1, &QCheckBox::toggled, this, [this] { ShowJobState(); });
    connect(FileExitItem, &QAction::triggered, this, [this] { FileExit(FileExitItem); });
    connect(HelpContentsItem, &QAction::triggered, this,
            [this] { HelpContents(HelpContentsItem); });
    connect(HelpSearchItem, &QAction::triggered, this, [this] { HelpSearch(HelpSearchItem); });
    connect(HelpHowToUseItem, &QAction::triggered, this,
            [this] { HelpHowToUse(HelpHowToUseItem); });
}

void TMainForm::FormCreate(QObject* /*Sender*/) {
    hints_ = new HintDisplay(this);
    hints_->WatchWindow(this);
    hints_->WatchMenu(FileMenu);
    hints_->WatchMenu(RecentMenu);
    hints_->WatchMenu(EditMenu);
    hints_->WatchMenu(HelpMenu);
    connect(hints_, &HintDisplay::HintChanged, this,
            [this](const QString& hint) { ShowHint(hint); });
}

void TMainForm::ShowHint(const QString& hint) {
    ShowStatus(hint);
}

void TMainForm::ShowStatus(const QString& text) {
    ShowReadableText(StatusLine, text);
}

void TMainForm::FormActivate(QObject* /*Sender*/) {
    activated_ = true;
    RunCommand([this] {
        models_->WriteHeadings();
        WriteColumnWidths(models_->CutList, models_->BarSettings);
        StringGrid1->SetColumnWidths(models_->CutList.ColWidths);
        StringGrid2->SetHeadings(0, models_->BarSettings.ColWidths.at(0));
        StringGrid2->SetColumnWidths({models_->BarSettings.ColWidths.at(1)});
        LoadLastini();
        LoadRecentJobList();
    });
    // The bar settings read are no change the user made.
    NoteJobUnchanged();
}

void TMainForm::FileExit(QObject* /*Sender*/) {
    close();
}

void TMainForm::HelpContents(QObject* /*Sender*/) {
    Help()->ShowContents();
}

void TMainForm::HelpSearch(QObject* /*Sender*/) {
    Help()->ShowSearch();
}

void TMainForm::HelpHowToUse(QObject* /*Sender*/) {
    Help()->ShowHowToUse();
}

void TMainForm::RunCommand(const std::function<void()>& body) {
    if (const std::optional<std::string> error = Attempt(body)) {
        boxes_->ShowError(*error);
    }
}

void TMainForm::RunInputCommand(const std::function<void()>& body) {
    if (std::optional<std::string> error = Attempt(body)) {
        QMetaObject::invokeMethod(
            this, [this, text = std::move(*error)] { boxes_->ShowError(text); },
            Qt::QueuedConnection);
    }
}

std::optional<std::string> TMainForm::Attempt(const std::function<void()>& body) {
    std::optional<std::string> error;
    try {
        SyncModelsFromWidgets();
        try {
            body();
        } catch (const Exception& e) {
            error = WithFullStop(e.what());
        }
        RefreshWidgets();
    } catch (const std::bad_alloc&) {
        // A report too large for the memory left, to make or to show: drop
        // it and its lines' room to get the memory back, keep the job, and
        // say what happened.
        models_->Report.Assign({});
        RefreshWidgets();
        error = WithFullStop(kOutOfMemory);
    }
    return error;
}

void TMainForm::SyncModelsFromWidgets() {
    // The grids take every keystroke at once; the report text area is read
    // back only when the user has changed it.
    ReportLines& report = models_->Report;
    if (Memo1->document()->isModified()) {
        report.Assign(LinesOf(Memo1->document()->toRawText()));
        shownReportRevision_ = report.Revision();
        Memo1->document()->setModified(false);
    }
    models_->Title = ToLatin1(Title1->text());
    models_->Options = CurrentOptions();
}

void TMainForm::ShowTitle() {
    Title1->setText(ToQString(models_->Title));
}

void TMainForm::ShowOptions() {
    const Options& options = models_->Options;
    SumaryCheckBox1->setChecked(options.NoSummary);
    ShortCheckBox1->setChecked(options.ShortReport);
    ItemNumBox1->setChecked(options.AutoItemNumber);
    AltMethodCheckBox1->setChecked(options.AlternateMethod);
    FewestBarsCheckBox1->setChecked(options.FewestBars);
}

void TMainForm::RefreshWidgets() {
    cutListView_->Refresh();
    barSettingsView_->Refresh();
    stockView_->Refresh();
    const ReportLines& report = models_->Report;
    if (report.Revision() != shownReportRevision_) {
        Memo1->setPlainText(TextOf(report.All()));
        shownReportRevision_ = report.Revision();
        Memo1->document()->setModified(false);
    }
}
