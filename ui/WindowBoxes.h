#pragma once

#include <string>

#include "model/MessageBoxes.h"

class QWidget;

// The answers to the question whether to save a changed job first.
enum class SaveChoice { Save, Discard, Cancel };

// The modal boxes and the sound of the window. Tests put a recorder in place
// of the real boxes so that nothing waits for a click.
class IWindowBoxes : public IMessageBoxes {
  public:
    // A plain message with an OK button, as a refusal of Calculate shows.
    virtual void ShowMessage(const std::string& text) = 0;
    // The asterisk sound that goes with a refusal.
    virtual void Beep() = 0;
    // Asks whether to save a changed job before it is set aside.
    virtual SaveChoice AskToSave(const std::string& question) = 0;
    // Asks whether to replace an existing file; true for yes.
    virtual bool AskToReplace(const std::string& question) = 0;
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
    SaveChoice AskToSave(const std::string& question) override;
    bool AskToReplace(const std::string& question) override;

  private:
    QWidget* parent_;
};
