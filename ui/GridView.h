#pragma once

#include <QRect>
#include <QTableView>

class QKeyEvent;
class QLineEdit;

// A text grid whose current cell always has its editor open, as a
// spreadsheet-like entry grid does: typing goes straight into the cell and
// every keystroke reaches the grid's cells at once. Tab and Shift+Tab leave
// the grid for the next or previous control; the arrow keys up and down move
// between rows, left and right between cells at the edges of the text; Enter and
// Escape leave the editor open. The editor stays open while the window is
// inactive, so the focus comes back to it as it was.
class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(QWidget* parent = nullptr);

    // Lays out the headings: a heading row of the given height (0 hides it),
    // a heading column of the given width (0 hides it), the data columns'
    // widths and one height for every row.
    void SetHeadings(int headingRowHeight, int headingColumnWidth);
    void SetColumnWidths(const std::vector<int>& widths);
    void SetRowHeight(int height);

    // The selected cells as one rectangle of view rows and columns: the
    // current cell when no range is selected, empty when there is none.
    QRect SelectedArea() const;
    // Whether a key pressed in the cell editor is the window's to handle:
    // Undo and Redo always, Copy, Cut, Paste and Delete when a range of cells
    // is selected, so that they act on the range and not on the cell's text,
    // and Paste of rows (text with tabs or line breaks) always.
    bool LeavesKeyToWindow(const QKeyEvent* event) const;

    // Called by the cell editor for the keys it sees.
    void EditorKeyReleased(QKeyEvent* event);
    bool EditorKeyPressed(QLineEdit* editor, QKeyEvent* event);
    // Called by the grid and its cell editor when they take the focus.
    void NoteFocusIn(Qt::FocusReason reason);

  signals:
    // Every key released in the grid, also while a cell is being edited; the
    // repeats of a key held down are not releases.
    void KeyReleased(QKeyEvent* event);

  protected:
    bool focusNextPrevChild(bool next) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void OpenEditor();
    void AnnounceRelease(QKeyEvent* event);
    bool TakesTabFocus(const QWidget* widget) const;
    bool MovesToNeighbour(const QLineEdit* editor, const QKeyEvent* event) const;
    // Shift with an arrow key: the range from the anchor to the new cell.
    bool ExtendsRange(const QLineEdit* editor, const QKeyEvent* event);

    QPersistentModelIndex anchor_;

    // Set when the window takes the focus back, until a key is pressed in
    // the grid: the release of a key pressed in another window, such as
    // the key that closed a message box, is no key released in the grid.
    bool pressedElsewhere_ = false;
};
