#pragma once

// Stand-ins for the window's boxes and file dialogs: they answer as a test
// scripts them and keep what the window asked and said.
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "ui/FileDialogs.h"
#include "ui/WindowBoxes.h"

struct BoxScript {
    std::vector<std::string> messages;   // errors, warnings and messages
    std::vector<std::string> questions;  // save and replace questions
    SaveChoice saveAnswer = SaveChoice::Discard;
    bool replaceAnswer = true;
    std::optional<QString> openAnswer;
    std::optional<QString> saveName;
    std::optional<QString> csvName;
    int saveDialogs = 0;
};

class ScriptedBoxes : public IWindowBoxes {
  public:
    explicit ScriptedBoxes(BoxScript& script) : script_(script) {}
    void ShowError(const std::string& text) override { script_.messages.push_back(text); }
    void ShowWarning(const std::string& text) override { script_.messages.push_back(text); }
    void ShowMessage(const std::string& text) override { script_.messages.push_back(text); }
    void Beep() override {}
    SaveChoice AskToSave(const std::string& question) override {
        script_.questions.push_back(question);
        return script_.saveAnswer;
    }
    bool AskToReplace(const std::string& question) override {
        script_.questions.push_back(question);
        return script_.replaceAnswer;
    }

  private:
    BoxScript& script_;
};

class ScriptedFileDialogs : public IFileDialogs {
  public:
    explicit ScriptedFileDialogs(BoxScript& script) : script_(script) {}
    std::optional<QString> OpenFileName(QWidget*) override { return script_.openAnswer; }
    std::optional<QString> SaveFileName(QWidget*, const QString&) override {
        ++script_.saveDialogs;
        return script_.saveName;
    }
    std::optional<QString> CsvFileName(QWidget*, bool) override { return script_.csvName; }

  private:
    BoxScript& script_;
};
