#pragma once

#include <QCheckBox>
#include <QMouseEvent>

// A check box that tells when a mouse button is released over it, after the
// box has taken its new state. Toggling it from the keyboard says nothing.
class MouseUpCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

  signals:
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        const Qt::MouseButton button = event->button();
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        const QPoint position = event->position().toPoint();
        QCheckBox::mouseReleaseEvent(event);
        emit MouseUp(button, modifiers, position.x(), position.y());
    }
};
