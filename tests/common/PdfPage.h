#pragma once

// A printed page read back from its PDF: the words that pdftotext (poppler-utils) finds, with their places.

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryFile>

// A word of a PDF page as pdftotext finds it, in millimetres from the paper's top-left corner.
struct Word
{
    QString text;
    QRectF box;
};

struct PdfPage
{
    QSizeF size; // millimetres
    QList<Word> words;

    QStringList texts() const
    {
        QStringList all;
        for (const Word &w : words)
            all << w.text;
        all.sort();
        return all;
    }
    QList<Word> wordsStartingWith(const QString &text) const
    {
        QList<Word> found;
        for (const Word &w : words)
            if (w.text.startsWith(text))
                found << w;
        return found;
    }
    Word word(const QString &text) const
    {
        const QList<Word> found = wordsStartingWith(text);
        for (const Word &w : found)
            if (w.text == text)
                return w;
        return {};
    }
};

// The words of a one-page PDF, read back with pdftotext (poppler-utils).
inline PdfPage readPdf(const QByteArray &pdf)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/page-XXXXXX.pdf"));
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush())
        qFatal("cannot write a temporary file");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file.fileName(), QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) did not run");
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const auto mm = [](const QString &points) { return points.toDouble() * 25.4 / 72; };
    PdfPage page;
    const QRegularExpression pageTag(QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    const QRegularExpressionMatch size = pageTag.match(html);
    page.size = QSizeF(mm(size.captured(1)), mm(size.captured(2)));
    const QRegularExpression wordTag(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (const QRegularExpressionMatch &m : wordTag.globalMatch(html))
        // The fonts draw "～" and "〜" with one glyph, which the text layer of the PDF names "〜".
        page.words.append({m.captured(5).replace(u'〜', u'～'), QRectF(QPointF(mm(m.captured(1)), mm(m.captured(2))),
                                                                       QPointF(mm(m.captured(3)), mm(m.captured(4))))});
    return page;
}
