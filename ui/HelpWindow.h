#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The program's help: pages built into the program, shown in a browser with
// a search over their keywords and text.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // Opens the search, with an empty search text.
    void ShowSearch();
    void ShowHowToUse();

    // The pages whose keywords or text hold every word of the text, those
    // matched by keyword first; each as its resource path.
    static QStringList FindPages(const QString& text);
    static QString PageTitle(const QString& page);

    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* SearchBox() const { return searchBox_; }
    QListWidget* Results() const { return results_; }

  private:
    void ShowPage(const QString& page);
    void UpdateResults();

    QLineEdit* searchBox_;
    QListWidget* results_;
    QTextBrowser* browser_;
};
