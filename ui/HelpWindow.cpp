#include "ui/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

// The pages are built into the window library, a static library: its
// resources are registered on first use.
static void LoadHelpPages() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(Help);
        return true;
    }();
    (void)loaded;
}

namespace {

const QString kContents = QStringLiteral("qrc:/help/contents.html");
const QString kHowToUse = QStringLiteral("qrc:/help/howto.html");

const QStringList kPages = {
    QStringLiteral(":/help/contents.html"), QStringLiteral(":/help/window.html"),
    QStringLiteral(":/help/lengths.html"),  QStringLiteral(":/help/calculate.html"),
    QStringLiteral(":/help/report.html"),   QStringLiteral(":/help/options.html"),
    QStringLiteral(":/help/files.html"),    QStringLiteral(":/help/printing.html"),
    QStringLiteral(":/help/diagram.html"),  QStringLiteral(":/help/howto.html"),
};

struct Page {
    QString Title;
    QString Keywords;
    QString Text;
};

Page ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString html = QString::fromUtf8(file.readAll());
    Page page;
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"));
    static const QRegularExpression keywords(
        QStringLiteral("<meta name=\"keywords\" content=\"(.*?)\""));
    page.Title = title.match(html).captured(1);
    page.Keywords = keywords.match(html).captured(1);
    QTextDocument document;
    document.setHtml(html);
    page.Text = document.toPlainText();
    return page;
}

bool HoldsEveryWord(const QString& haystack, const QStringList& words) {
    for (const QString& word : words) {
        if (!haystack.contains(word, Qt::CaseInsensitive)) {
            return false;
        }
    }
    return true;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    LoadHelpPages();
    setWindowTitle(QStringLiteral("Velmar Help"));
    resize(640, 480);

    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(QStringLiteral("HelpSearchBox"));
    searchBox_->setAccessibleName(QStringLiteral("Search for"));
    searchBox_->setPlaceholderText(QStringLiteral("Type a word to search for"));
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("HelpResults"));
    results_->setAccessibleName(QStringLiteral("Topics found"));
    results_->setMaximumWidth(200);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenLinks(true);

    auto* searchLabel = new QLabel(QStringLiteral("&Search for:"), this);
    searchLabel->setBuddy(searchBox_);
    auto* side = new QVBoxLayout;
    side->addWidget(searchLabel);
    side->addWidget(searchBox_);
    side->addWidget(results_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(browser_, 1);

    connect(searchBox_, &QLineEdit::textChanged, this, [this] { UpdateResults(); });
    connect(results_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            ShowPage(results_->item(row)->data(Qt::UserRole).toString());
        }
    });
    UpdateResults();
}

void HelpWindow::ShowPage(const QString& page) {
    browser_->setSource(QUrl(page));
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContents() {
    // The contents list every topic, whatever an earlier search left.
    searchBox_->clear();
    ShowPage(kContents);
}

void HelpWindow::ShowHowToUse() {
    ShowPage(kHowToUse);
}

void HelpWindow::ShowSearch() {
    searchBox_->clear();
    if (browser_->source().isEmpty()) {
        browser_->setSource(QUrl(kContents));
    }
    show();
    raise();
    activateWindow();
    searchBox_->setFocus();
}

QStringList HelpWindow::FindPages(const QString& text) {
    LoadHelpPages();
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList byKeyword;
    QStringList byText;
    for (const QString& path : kPages) {
        const Page page = ReadPage(path);
        if (HoldsEveryWord(page.Keywords, words)) {
            byKeyword << path;
        } else if (HoldsEveryWord(page.Text, words)) {
            byText << path;
        }
    }
    return byKeyword + byText;
}

QString HelpWindow::PageTitle(const QString& page) {
    LoadHelpPages();
    return ReadPage(page).Title;
}

void HelpWindow::UpdateResults() {
    const QSignalBlocker blocker(results_);
    results_->clear();
    for (const QString& path : FindPages(searchBox_->text())) {
        auto* item = new QListWidgetItem(PageTitle(path), results_);
        item->setData(Qt::UserRole, QStringLiteral("qrc") + path);
    }
}
