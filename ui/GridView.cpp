#include "ui/GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// Commits every change of the editor's text at once, so the grid cell always
// holds what the user sees, and hands the editor's keys to the grid.
class LiveEditDelegate : public QStyledItemDelegate {
  public:
    explicit LiveEditDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setFrame(false);
            // The cell editor shows no hint of its own: it takes the grid's.
            line->setToolTip(QString());
            // Nor a menu of its own: the grid's, with its commands for cells.
            line->setContextMenuPolicy(Qt::NoContextMenu);
            connect(line, &QLineEdit::textEdited, this,
                    [this, line] { emit const_cast<LiveEditDelegate*>(this)->commitData(line); });
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        // Writing the same text back would move the cursor while the user types.
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            if (line->text() == index.data(Qt::EditRole).toString()) {
                return;
            }
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
            // The window lost the focus to a box or another program: the
            // editor stays, as it always is in the current cell, and the
            // focus comes back to it with its text and cursor as they were.
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride &&
            view_->LeavesKeyToWindow(static_cast<QKeyEvent*>(event))) {
            // Not taken by the editor: the window's shortcut runs instead.
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            view_->NoteFocusIn(static_cast<QFocusEvent*>(event)->reason());
        } else if (event->type() == QEvent::KeyPress) {
            if (view_->EditorKeyPressed(qobject_cast<QLineEdit*>(object),
                                        static_cast<QKeyEvent*>(event))) {
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            view_->EditorKeyReleased(static_cast<QKeyEvent*>(event));
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    GridView* view_;
};

}  // namespace

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new LiveEditDelegate(this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void GridView::SetHeadings(int headingRowHeight, int headingColumnWidth) {
    horizontalHeader()->setVisible(headingRowHeight > 0);
    horizontalHeader()->setFixedHeight(headingRowHeight);
    verticalHeader()->setVisible(headingColumnWidth > 0);
    verticalHeader()->setFixedWidth(headingColumnWidth);
}

void GridView::SetColumnWidths(const std::vector<int>& widths) {
    for (std::size_t column = 0; column < widths.size(); ++column) {
        setColumnWidth(static_cast<int>(column), widths[column]);
    }
}

void GridView::SetRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid() && (hasFocus() || isAncestorOf(QApplication::focusWidget()))) {
        OpenEditor();
    }
}

void GridView::focusInEvent(QFocusEvent* event) {
    NoteFocusIn(event->reason());
    QTableView::focusInEvent(event);
    if (!currentIndex().isValid() && model() != nullptr && model()->rowCount() > 0 &&
        model()->columnCount() > 0) {
        setCurrentIndex(model()->index(0, 0));
    }
    OpenEditor();
}

void GridView::OpenEditor() {
    const QModelIndex current = currentIndex();
    if (current.isValid() && indexWidget(current) == nullptr && state() != EditingState) {
        edit(current);
    }
}

void GridView::NoteFocusIn(Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason) {
        pressedElsewhere_ = true;
    }
}

void GridView::keyPressEvent(QKeyEvent* event) {
    pressedElsewhere_ = false;
    QTableView::keyPressEvent(event);
}

void GridView::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    AnnounceRelease(event);
}

void GridView::EditorKeyReleased(QKeyEvent* event) {
    AnnounceRelease(event);
}

void GridView::AnnounceRelease(QKeyEvent* event) {
    // A key held down sends a release before every repeated press; only the
    // one when the user lets go is a release.
    if (!event->isAutoRepeat() && !pressedElsewhere_) {
        emit KeyReleased(event);
    }
}

bool GridView::focusNextPrevChild(bool next) {
    // Leaves the grid for the next (previous) control in the tab order,
    // counted from the grid: the cell editor is no stop of its own.
    QWidget* widget = this;
    do {
        widget = next ? widget->nextInFocusChain() : widget->previousInFocusChain();
    } while (widget != this && (isAncestorOf(widget) || !TakesTabFocus(widget)));
    if (widget == this) {
        return false;
    }
    widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool GridView::TakesTabFocus(const QWidget* widget) const {
    return widget->window() == window() && widget->isVisibleTo(window()) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

bool GridView::MovesToNeighbour(const QLineEdit* editor, const QKeyEvent* event) const {
    // At the end of the text Right goes on to the next cell, at its start
    // Left to the one before, as in a spreadsheet; so does either key while
    // the whole text is selected, as it is when the cell has been entered.
    // Shift and Ctrl keep their meaning in the text.
    if (editor == nullptr || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (editor->hasSelectedText()) {
        return editor->selectedText() == editor->text();
    }
    const int edge = event->key() == Qt::Key_Right ? static_cast<int>(editor->text().size()) : 0;
    return editor->cursorPosition() == edge;
}

QRect GridView::SelectedArea() const {
    QRect area;
    if (selectionModel() != nullptr) {
        for (const QItemSelectionRange& range : selectionModel()->selection()) {
            area |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
        }
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() && !area.contains(current.column(), current.row())) {
        area = QRect(current.column(), current.row(), 1, 1);
    }
    return area;
}

bool GridView::LeavesKeyToWindow(const QKeyEvent* event) const {
    const QKeyCombination key = event->keyCombination();
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
        key == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        return true;
    }
    const QRect area = SelectedArea();
    const bool range = area.width() > 1 || area.height() > 1;
    if (event->matches(QKeySequence::Paste)) {
        // Rows go into the cells from this one on, not into its text.
        const QString pasted = QApplication::clipboard()->text();
        return range || pasted.contains(QLatin1Char('\t')) || pasted.contains(QLatin1Char('\n')) ||
               pasted.contains(QLatin1Char('\r'));
    }
    return range && (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
                     event->matches(QKeySequence::Delete));
}

bool GridView::ExtendsRange(const QLineEdit* editor, const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier) {
        return false;
    }
    const QModelIndex current = currentIndex();
    const bool across = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    // Across the row only from a cell whose text is empty or wholly
    // selected: otherwise Shift with Left or Right selects within the text.
    if (!current.isValid() || (across && editor != nullptr && !editor->text().isEmpty() &&
                               editor->selectedText() != editor->text())) {
        return false;
    }
    int row = current.row();
    int column = current.column();
    switch (event->key()) {
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_Left:
            --column;
            break;
        case Qt::Key_Right:
            ++column;
            break;
        default:
            return false;
    }
    row = std::clamp(row, 0, model()->rowCount() - 1);
    column = std::clamp(column, 0, model()->columnCount() - 1);
    const QRect area = SelectedArea();
    if (!anchor_.isValid() || !area.contains(anchor_.column(), anchor_.row()) ||
        (area.width() == 1 && area.height() == 1)) {
        anchor_ = current;
    }
    const QModelIndex next = model()->index(row, column);
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(anchor_, next), QItemSelectionModel::ClearAndSelect);
    return true;
}

bool GridView::EditorKeyPressed(QLineEdit* editor, QKeyEvent* event) {
    pressedElsewhere_ = false;
    const QModelIndex current = currentIndex();
    if (ExtendsRange(editor, event)) {
        return true;
    }
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            focusNextPrevChild(event->key() == Qt::Key_Tab &&
                               !(event->modifiers() & Qt::ShiftModifier));
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (!current.isValid() || !MovesToNeighbour(editor, event)) {
                return false;
            }
            const int column = current.column() + (event->key() == Qt::Key_Right ? 1 : -1);
            if (column < 0 || column >= model()->columnCount()) {
                return false;
            }
            setCurrentIndex(model()->index(current.row(), column));
            return true;
        }
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            if (!current.isValid()) {
                return false;
            }
            const int step = (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
                                 ? std::max(1, viewport()->height() / std::max(1, rowHeight(0)))
                                 : 1;
            const bool down = event->key() == Qt::Key_Down || event->key() == Qt::Key_PageDown;
            const int row =
                std::clamp(current.row() + (down ? step : -step), 0, model()->rowCount() - 1);
            setCurrentIndex(model()->index(row, current.column()));
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            // The text is in the cell already, keystroke by keystroke; the
            // editor stays open, as it always is in the current cell.
            return true;
        default:
            return false;
    }
}
