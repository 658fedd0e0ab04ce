#pragma once

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

    // Set when the window takes the focus back, until a key is pressed in
    // the grid: the release of a key pressed in another window, such as
    // the key that closed a message box, is no key released in the grid.
    bool pressedElsewhere_ = false;
};
