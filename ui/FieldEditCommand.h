#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>

// One change of a one-line field, such as the stock list's End Trim, kept in
// the same history as the grid it belongs to. Keystrokes of one visit to the
// field are one change. The field already shows the new text when the change
// is recorded, so the first redo does nothing.
class FieldEditCommand : public QUndoCommand {
  public:
    // `show` puts a text into the field without recording it again.
    FieldEditCommand(const QString& text, QString before, QString after, int visit,
                     std::function<void(const QString&)> show);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    QString before_;
    QString after_;
    int visit_;
    std::function<void(const QString&)> show_;
    bool shown_ = true;
};
