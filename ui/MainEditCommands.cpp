#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <tuple>

#include "diagram/Latin1.h"
#include "model/GridLayout.h"
#include "ui/GridEditCommand.h"
#include "ui/GridTableModel.h"
#include "ui/GridView.h"
#include "ui/HintDisplay.h"
#include "ui/Main.h"
#include "ui/RowEdits.h"

namespace {

QAction* Entry(QMenu* menu, const char* name, const QString& caption, const QString& hint,
               const QList<QKeySequence>& keys) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    HintDisplay::SetHint(action, hint);
    return action;
}

// The grid's cells of a rectangle of view rows and columns.
CellRange RangeOf(const GridTableModel& model, const QRect& area) {
    return {model.GridCol(area.left()), model.GridRow(area.top()), model.GridCol(area.right()),
            model.GridRow(area.bottom())};
}

}  // namespace

void TMainForm::CreateEditEntries() {
    undoStack_ = new QUndoStack(this);
    EditUndoItem = Entry(EditMenu, "EditUndoItem", QStringLiteral("&Undo"),
                         QStringLiteral("Take back the last change of the grids"),
                         QKeySequence::keyBindings(QKeySequence::Undo));
    EditRedoItem =
        Entry(EditMenu, "EditRedoItem", QStringLiteral("&Redo"),
              QStringLiteral("Make the change taken back again"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    EditMenu->addSeparator();
    EditCutItem = Entry(EditMenu, "EditCutItem", QStringLiteral("Cu&t"),
                        QStringLiteral("Move the selected cells to the clipboard"),
                        QKeySequence::keyBindings(QKeySequence::Cut));
    EditCopyItem = Entry(EditMenu, "EditCopyItem", QStringLiteral("&Copy"),
                         QStringLiteral("Copy the selected cells as tab-separated rows"),
                         QKeySequence::keyBindings(QKeySequence::Copy));
    EditPasteItem = Entry(EditMenu, "EditPasteItem", QStringLiteral("&Paste"),
                          QStringLiteral("Paste tab-separated rows from the current cell on"),
                          QKeySequence::keyBindings(QKeySequence::Paste));
    EditDeleteItem = Entry(EditMenu, "EditDeleteItem", QStringLiteral("&Delete"),
                           QStringLiteral("Empty the selected cells"),
                           QKeySequence::keyBindings(QKeySequence::Delete));
    EditMenu->addSeparator();
    EditInsertRowItem = Entry(EditMenu, "EditInsertRowItem", QStringLiteral("&Insert Row"),
                              QStringLiteral("Open an empty row in the cut list"), {});
    EditDeleteRowItem = Entry(EditMenu, "EditDeleteRowItem", QStringLiteral("De&lete Rows"),
                              QStringLiteral("Take the selected rows out of the cut list"), {});
    EditMenu->addSeparator();

    // The stock list has a window and a history of its own: Undo in the
    // main window never takes back a change the user cannot see there.
    stockUndo_ = new QUndoStack(this);
    StockUndoItem = new QAction(QStringLiteral("&Undo"), StockWindow);
    StockUndoItem->setObjectName(QStringLiteral("StockUndoItem"));
    StockUndoItem->setShortcuts(EditUndoItem->shortcuts());
    StockRedoItem = new QAction(QStringLiteral("&Redo"), StockWindow);
    StockRedoItem->setObjectName(QStringLiteral("StockRedoItem"));
    StockRedoItem->setShortcuts(EditRedoItem->shortcuts());
    StockWindow->addActions(
        {StockUndoItem, StockRedoItem, EditCutItem, EditCopyItem, EditPasteItem, EditDeleteItem});

    for (const auto& [stack, undo, redo] : {std::tuple{undoStack_, EditUndoItem, EditRedoItem},
                                            std::tuple{stockUndo_, StockUndoItem, StockRedoItem}}) {
        undo->setEnabled(false);
        redo->setEnabled(false);
        connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
        connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    }
    connect(EditUndoItem, &QAction::triggered, this, [this] { EditUndo(); });
    connect(EditRedoItem, &QAction::triggered, this, [this] { EditRedo(); });
    connect(StockUndoItem, &QAction::triggered, stockUndo_, &QUndoStack::undo);
    connect(StockRedoItem, &QAction::triggered, stockUndo_, &QUndoStack::redo);
    connect(EditCutItem, &QAction::triggered, this, [this] { EditCut(); });
    connect(EditCopyItem, &QAction::triggered, this, [this] { EditCopy(); });
    connect(EditPasteItem, &QAction::triggered, this, [this] { EditPaste(); });
    connect(EditDeleteItem, &QAction::triggered, this, [this] { EditDelete(); });
    connect(EditInsertRowItem, &QAction::triggered, this, [this] { EditInsertRow(); });
    connect(EditDeleteRowItem, &QAction::triggered, this, [this] { EditDeleteRow(); });

    for (GridView* grid : {StringGrid1, StringGrid2, StockGrid1}) {
        GridTableModel* model = ModelOf(grid);
        model->ApplyEdit = [this, model](CellChanges changes, bool typed) {
            RecordGridEdit(typed ? QStringLiteral("Typing") : QStringLiteral("Paste"),
                           model->Grid(), std::move(changes), typed);
        };
        // The refusal comes from inside a key event of the cell editor: its
        // box opens once that event has been delivered.
        model->RefuseEdit = [this](const std::string& text) {
            QMetaObject::invokeMethod(
                this, [this, text] { boxes_->ShowMessage(text); }, Qt::QueuedConnection);
        };
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& where) { ShowGridMenu(grid, where); });
    }
}

GridView* TMainForm::ActiveGrid() const {
    const QWidget* focus = QApplication::focusWidget();
    for (GridView* grid : {StringGrid1, StringGrid2, StockGrid1}) {
        if (focus == grid || grid->isAncestorOf(focus)) {
            return grid;
        }
    }
    return nullptr;
}

GridTableModel* TMainForm::ModelOf(const GridView* grid) const {
    if (grid == StockGrid1) {
        return stockView_;
    }
    return grid == StringGrid1 ? cutListView_ : barSettingsView_;
}

void TMainForm::RecordGridEdit(const QString& text, TStringGrid& grid, CellChanges changes,
                               bool typed) {
    if (changes.empty()) {
        return;
    }
    std::vector<GridEditCommand::GridChanges> edits;
    edits.push_back({&grid, std::move(changes)});
    QUndoStack* stack = &grid == &stock_ ? stockUndo_ : undoStack_;
    stack->push(new GridEditCommand(
        text, std::move(edits), [this] { ShowGridEdits(); }, typed));
}

void TMainForm::RecordCalculation(const std::vector<std::string>& cutList,
                                  const std::vector<std::string>& barSettings) {
    std::vector<GridEditCommand::GridChanges> edits;
    for (auto [grid, before] :
         {std::pair{&models_->CutList, &cutList}, std::pair{&models_->BarSettings, &barSettings}}) {
        CellChanges changes = ChangesSince(*before, *grid);
        if (!changes.empty()) {
            edits.push_back({grid, std::move(changes)});
        }
    }
    if (!edits.empty()) {
        undoStack_->push(new GridEditCommand(
            QStringLiteral("Calculate"), std::move(edits), [this] { ShowGridEdits(); }, false));
    }
}

void TMainForm::ShowGridEdits() {
    cutListView_->Refresh();
    barSettingsView_->Refresh();
    stockView_->Refresh();
    ShowJobState();
}

void TMainForm::EditUndo() {
    undoStack_->undo();
}

void TMainForm::EditRedo() {
    undoStack_->redo();
}

void TMainForm::EditCopy() {
    GridView* grid = ActiveGrid();
    if (grid == nullptr) {
        // Chosen from the menu while the report or the title has the focus.
        if (Memo1->hasFocus()) {
            Memo1->copy();
        } else if (Title1->hasFocus()) {
            Title1->copy();
        }
        return;
    }
    const QRect area = grid->SelectedArea();
    if (area.isEmpty()) {
        return;
    }
    const TStringGrid& cells = ModelOf(grid)->Grid();
    QApplication::clipboard()->setText(
        ToQString(FormatCellRows(CellsIn(cells, RangeOf(*ModelOf(grid), area)))));
}

void TMainForm::EditCut() {
    if (ActiveGrid() == nullptr) {
        if (Memo1->hasFocus()) {
            Memo1->cut();
        } else if (Title1->hasFocus()) {
            Title1->cut();
        }
        return;
    }
    EditCopy();
    GridView* grid = ActiveGrid();
    GridTableModel* model = ModelOf(grid);
    RecordGridEdit(QStringLiteral("Cut"), model->Grid(),
                   ClearChanges(model->Grid(), RangeOf(*model, grid->SelectedArea())), false);
}

void TMainForm::EditPaste() {
    GridView* grid = ActiveGrid();
    if (grid == nullptr) {
        if (Memo1->hasFocus()) {
            Memo1->paste();
        } else if (Title1->hasFocus()) {
            Title1->paste();
        }
        return;
    }
    const QRect area = grid->SelectedArea();
    const CellRows rows = ParseCellRows(ToLatin1(QApplication::clipboard()->text()));
    if (area.isEmpty() || rows.empty()) {
        return;
    }
    GridTableModel* model = ModelOf(grid);
    model->PasteRows(model->index(area.top(), area.left()), rows);
}

void TMainForm::EditDelete() {
    GridView* grid = ActiveGrid();
    if (grid == nullptr) {
        return;
    }
    GridTableModel* model = ModelOf(grid);
    RecordGridEdit(QStringLiteral("Delete"), model->Grid(),
                   ClearChanges(model->Grid(), RangeOf(*model, grid->SelectedArea())), false);
}

GridView* TMainForm::ListGridInFocus() const {
    GridView* grid = ActiveGrid();
    return grid == StringGrid1 || grid == StockGrid1 ? grid : nullptr;
}

void TMainForm::EditInsertRow() {
    GridView* grid = ListGridInFocus();
    if (grid == nullptr || grid->SelectedArea().isEmpty()) {
        return;
    }
    GridTableModel* model = ModelOf(grid);
    std::optional<CellChanges> changes =
        InsertRowChanges(model->Grid(), kFirstDataRow, model->GridRow(grid->SelectedArea().top()));
    if (!changes) {
        boxes_->ShowMessage(
            grid == StockGrid1 ? "The last row of the stock list is not empty; no row was inserted."
                               : "The last row of the cut list is not empty; no row was inserted.");
        return;
    }
    RecordGridEdit(QStringLiteral("Insert Row"), model->Grid(), std::move(*changes), false);
}

void TMainForm::EditDeleteRow() {
    GridView* grid = ListGridInFocus();
    if (grid == nullptr || grid->SelectedArea().isEmpty()) {
        return;
    }
    GridTableModel* model = ModelOf(grid);
    const QRect area = grid->SelectedArea();
    RecordGridEdit(
        QStringLiteral("Delete Rows"), model->Grid(),
        DeleteRowsChanges(model->Grid(), model->GridRow(area.top()), model->GridRow(area.bottom())),
        false);
}

void TMainForm::ShowGridMenu(GridView* grid, const QPoint& where) {
    QMenu menu(this);
    menu.setToolTipsVisible(false);
    if (grid == StockGrid1) {
        menu.addActions({StockUndoItem, StockRedoItem});
    } else {
        menu.addActions({EditUndoItem, EditRedoItem});
    }
    menu.addSeparator();
    menu.addActions({EditCutItem, EditCopyItem, EditPasteItem, EditDeleteItem});
    if (grid == StringGrid1 || grid == StockGrid1) {
        menu.addSeparator();
        menu.addActions({EditInsertRowItem, EditDeleteRowItem});
    }
    menu.exec(grid->viewport()->mapToGlobal(where));
}
