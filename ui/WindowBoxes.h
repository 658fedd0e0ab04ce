#pragma once

#include <string>

#include "model/MessageBoxes.h"

class QWidget;

// The modal boxes and the sound of the window. Tests put a recorder in place
// of the real boxes so that nothing waits for a click.
class IWindowBoxes : public IMessageBoxes {
  public:
    // A plain message with an OK button, as a refusal of Calculate shows.
    virtual void ShowMessage(const std::string& text) = 0;
    // The asterisk sound that goes with a refusal.
    virtual void Beep() = 0;
};

// Real message boxes over the given window: the error and warning boxes are
// titled "Velmar", the plain message box too.
class QtWindowBoxes : public IWindowBoxes {
  public:
    explicit QtWindowBoxes(QWidget* parent) : parent_(parent) {}
    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void Beep() override;

  private:
    QWidget* parent_;
};
