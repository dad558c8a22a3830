#include "ui/help/help_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>

// Resources of a static library must be registered by hand; at global scope, as Qt requires.
static void registerHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace trovale {

const QString HelpLibrary::kPasta = QStringLiteral(":/help");
const QString HelpLibrary::kConteudo = QStringLiteral("conteudo.html");

namespace {

QString readUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

HelpPage readPage(const QString& folder, const QString& arquivo) {
    const QString html = readUtf8(folder + QLatin1Char('/') + arquivo);
    QTextDocument document;
    document.setHtml(html);
    QString titulo = document.metaInformation(QTextDocument::DocumentTitle).trimmed();
    if (titulo.isEmpty()) titulo = arquivo;
    return {arquivo, titulo, document.toPlainText()};
}

// The pages the contents page links to, in the order it names them.
QStringList linkedPages(const QString& html) {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)"));
    QStringList result;
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        if (!result.contains(target)) result.append(target);
    }
    return result;
}

// The letters a plain vowel or consonant stands for in Portuguese text.
QString accentClass(QChar base) {
    switch (base.unicode()) {
        case 'a':
            return QStringLiteral("[aáàâãä]");
        case 'e':
            return QStringLiteral("[eéèêë]");
        case 'i':
            return QStringLiteral("[iíìîï]");
        case 'o':
            return QStringLiteral("[oóòôõö]");
        case 'u':
            return QStringLiteral("[uúùûü]");
        case 'c':
            return QStringLiteral("[cç]");
        case 'n':
            return QStringLiteral("[nñ]");
        default:
            return {};
    }
}

QChar baseLetter(QChar c) {
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
    return decomposed.isEmpty() ? c : decomposed.at(0).toLower();
}

}  // namespace

HelpLibrary::HelpLibrary(const QString& folder) : folder_(folder) {
    static const bool registered = (registerHelpResources(), true);
    Q_UNUSED(registered);
    QStringList files = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    QStringList ordered = {kConteudo};
    ordered += linkedPages(readUtf8(folder + QLatin1Char('/') + kConteudo));
    for (const QString& arquivo : ordered) {
        if (files.removeOne(arquivo)) pages_.append(readPage(folder, arquivo));
    }
    QList<HelpPage> rest;
    for (const QString& arquivo : files) rest.append(readPage(folder, arquivo));
    std::sort(rest.begin(), rest.end(),
              [](const HelpPage& a, const HelpPage& b) { return a.titulo < b.titulo; });
    pages_ += rest;
}

int HelpLibrary::indexOf(const QString& arquivo) const {
    for (int i = 0; i < pages_.size(); ++i)
        if (pages_[i].arquivo == arquivo) return i;
    return -1;
}

QString HelpLibrary::urlOf(const QString& arquivo) const {
    return QStringLiteral("qrc") + folder_ + QLatin1Char('/') + arquivo;
}

QStringList HelpLibrary::words(const QString& query) {
    return query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QRegularExpression HelpLibrary::wordPattern(const QString& word) {
    QString pattern;
    for (const QChar c : word) {
        const QString letters = accentClass(baseLetter(c));
        pattern += letters.isEmpty() ? QRegularExpression::escape(QString(c)) : letters;
    }
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
}

// A page counts when it holds every word; more occurrences, and a word in the title,
// put it higher.
QList<int> HelpLibrary::search(const QString& query) const {
    const QStringList wanted = words(query);
    if (wanted.isEmpty()) return {};
    QList<QPair<int, int>> scored;  // (score, page)
    for (int page = 0; page < pages_.size(); ++page) {
        int score = 0;
        bool all = true;
        for (const QString& word : wanted) {
            const QRegularExpression pattern = wordPattern(word);
            int hits = 0;
            for (auto it = pattern.globalMatch(pages_[page].texto); it.hasNext(); it.next()) ++hits;
            if (hits == 0) {
                all = false;
                break;
            }
            score += hits + (pattern.match(pages_[page].titulo).hasMatch() ? 100 : 0);
        }
        if (all) scored.append({score, page});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<int> result;
    for (const auto& [score, page] : scored) result.append(page);
    return result;
}

}  // namespace trovale
