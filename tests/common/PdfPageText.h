#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The non-blank lines of every page of a PDF's extracted text, each with its
// runs of blanks taken as one: text extraction spaces words by their position,
// so only the words and their order can be compared.
inline QList<QStringList> PagesOfPdfText(const QString& text) {
    QList<QStringList> pages;
    QStringList raw = text.split(u'\f');
    // Every page ends in a form feed, so the last piece is what follows the
    // last page.
    raw.removeLast();
    for (const QString& page : raw) {
        QStringList lines;
        for (const QString& line : page.split(u'\n')) {
            if (!line.trimmed().isEmpty()) {
                lines << line.simplified();
            }
        }
        pages << lines;
    }
    return pages;
}
