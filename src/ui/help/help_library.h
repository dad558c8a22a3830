#pragma once
// The help pages compiled into the program, and the search over them.

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace trovale {

struct HelpPage {
    QString arquivo;  // file name inside the help folder, e.g. "atalhos.html"
    QString titulo;   // the page's <title>
    QString texto;    // the page as plain text, for searching
};

class HelpLibrary {
  public:
    // Folder of the compiled-in pages, and the page that lists them.
    static const QString kPasta;
    static const QString kConteudo;

    // Reads every page of `folder`: the contents page first, then the pages in the order
    // the contents page links to them, then any page it forgot.
    explicit HelpLibrary(const QString& folder = kPasta);

    const QList<HelpPage>& pages() const { return pages_; }
    int indexOf(const QString& arquivo) const;
    QString urlOf(const QString& arquivo) const;

    // Pages holding every word of the query, the best first; empty for an empty query.
    QList<int> search(const QString& query) const;

    // The words of a query, and the pattern that finds one of them ignoring case and accents
    // ("musica" finds "Música").
    static QStringList words(const QString& query);
    static QRegularExpression wordPattern(const QString& word);

  private:
    QString folder_;
    QList<HelpPage> pages_;
};

}  // namespace trovale
