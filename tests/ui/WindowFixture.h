#pragma once

// The main window as the window tests meet it: its settings in a temporary
// folder of the test's own, its boxes and file dialogs answering as the test
// scripts them and keeping what the window asked and said.
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "diagram/Latin1.h"
#include "ui/FileDialogs.h"
#include "ui/Main.h"
#include "ui/WindowBoxes.h"

struct BoxScript {
    std::vector<std::string> messages;   // every text a box showed, in order
    std::vector<std::string> errors;     // of those, the errors and warnings
    std::vector<std::string> questions;  // save and replace questions
    int beeps = 0;
    SaveChoice saveAnswer = SaveChoice::Discard;
    bool replaceAnswer = true;
    std::optional<QString> openAnswer;
    std::optional<QString> saveName;
    std::optional<QString> csvName;
    int saveDialogs = 0;
    QString proposed;  // the name the last save dialog proposed
};

class ScriptedBoxes : public IWindowBoxes {
  public:
    explicit ScriptedBoxes(BoxScript& script) : script_(script) {}
    void ShowError(const std::string& text) override { Shown(text, true); }
    void ShowWarning(const std::string& text) override { Shown(text, true); }
    void ShowMessage(const std::string& text) override { Shown(text, false); }
    void Beep() override { ++script_.beeps; }
    SaveChoice AskToSave(const std::string& question) override {
        script_.questions.push_back(question);
        return script_.saveAnswer;
    }
    bool AskToReplace(const std::string& question) override {
        script_.questions.push_back(question);
        return script_.replaceAnswer;
    }

  private:
    void Shown(const std::string& text, bool error) {
        script_.messages.push_back(text);
        if (error) {
            script_.errors.push_back(text);
        }
    }

    BoxScript& script_;
};

class ScriptedFileDialogs : public IFileDialogs {
  public:
    explicit ScriptedFileDialogs(BoxScript& script) : script_(script) {}
    std::optional<QString> OpenFileName(QWidget*) override { return script_.openAnswer; }
    std::optional<QString> SaveFileName(QWidget*, const QString& proposed) override {
        ++script_.saveDialogs;
        script_.proposed = proposed;
        return script_.saveName;
    }
    std::optional<QString> CsvFileName(QWidget*, bool) override { return script_.csvName; }

  private:
    BoxScript& script_;
};

// Derived from by a test class (after QObject). Its init() calls StartWindowTest
// and, for a window shown from the start, ShowForm.
class WindowFixture {
  protected:
    // A fresh temporary folder and an empty script.
    void StartWindowTest() {
        form_.reset();
        dir_ = std::make_unique<QTemporaryDir>();
        script_ = BoxScript{};
    }

    // A window whose settings file lies in the folder and whose boxes and
    // dialogs answer from the script; neither shown nor activated.
    std::unique_ptr<TMainForm> FormBeforeActivation() {
        auto form = std::make_unique<TMainForm>();
        form->SetSettingsPath(ToLatin1(SettingsFile()));
        form->SetBoxes(std::make_unique<ScriptedBoxes>(script_));
        form->SetFileDialogs(std::make_unique<ScriptedFileDialogs>(script_));
        return form;
    }

    // The same, after its activation step, as a window is when it first has
    // the focus.
    std::unique_ptr<TMainForm> ActivatedForm() {
        std::unique_ptr<TMainForm> form = FormBeforeActivation();
        form->FormActivate(form.get());
        return form;
    }

    // The test's window, form_, made anew, shown and active; false when it
    // never became active.
    [[nodiscard]] bool ShowForm() {
        form_ = FormBeforeActivation();
        form_->show();
        return QTest::qWaitForWindowActive(form_.get());
    }

    QString File(const QString& name) const { return dir_->filePath(name); }
    QString SettingsFile() const { return File(QStringLiteral("BarIni.ini")); }

    // Declared in this order so that the window goes before the script its
    // boxes write to, and both before the folder.
    std::unique_ptr<QTemporaryDir> dir_;
    BoxScript script_;
    std::unique_ptr<TMainForm> form_;
};

// A window on its own, for tests that make one where they need it: its
// settings file lies in a temporary folder that goes with it.
class ScopedForm : public TMainForm {
  public:
    ScopedForm() { SetSettingsPath(ToLatin1(dir_.filePath(QStringLiteral("BarIni.ini")))); }

  private:
    QTemporaryDir dir_;
};
