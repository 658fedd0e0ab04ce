#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// The application's current hint: the hint of the control under the mouse
// pointer (or of its nearest container that has one), or of the highlighted
// menu entry. Hints live in the "hint" property of widgets and actions and
// are only ever announced through HintChanged: pop-up tool tips inside the
// watched window are suppressed.
class HintDisplay : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kHintProperty = "hint";

    explicit HintDisplay(QObject* parent = nullptr);

    // Follows the mouse over the window and its controls.
    void WatchWindow(QWidget* window);
    // Follows the highlighted entry of the menu.
    void WatchMenu(QMenu* menu);

    const QString& Hint() const { return hint_; }
    // The hint of the control or, when it has none, of its nearest container
    // that has one; empty when none has.
    static QString HintOf(const QWidget* widget);
    static void SetHint(QObject* control, const QString& hint);

  signals:
    void HintChanged(const QString& hint);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Change(const QString& hint);
    bool InWindow(const QObject* object) const;

    QPointer<QWidget> window_;
    QString hint_;
};
